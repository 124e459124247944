#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace nookery {

// Starting the suite when the user logs in: an XDG autostart entry. The entry's presence is
// the setting; nothing about it goes into the settings store.
class LoginStart
{
public:
    // The entry `entryFile`, whose command starts `launcher`.
    LoginStart(QString entryFile = defaultEntryFile(), QString launcher = defaultLauncher());

    // $XDG_CONFIG_HOME/autostart/nookery.desktop, ~/.config when that is unset or relative.
    static QString defaultEntryFile();
    // The installed launcher beside the running binary: it starts the suite in its data
    // folder.
    static QString defaultLauncher();
    // `program` as a desktop entry's Exec value: quoted where the entry format needs it.
    static QString execValue(const QString &program);

    bool isOn() const;
    // The entry's bytes, or nothing when there is none (to put back with restore()).
    std::optional<QByteArray> entry() const;
    // Writes or removes the entry; an entry already there is kept as the user may have
    // edited it. Throws IoError when the change cannot be made.
    void set(bool on);
    void restore(const std::optional<QByteArray> &entry);

private:
    void write(const QByteArray &bytes);

    QString m_entryFile;
    QString m_launcher;
};

} // namespace nookery
