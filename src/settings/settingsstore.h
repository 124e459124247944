#pragma once

#include "settings/keys.h"

#include <QList>
#include <QString>
#include <QVariant>
#include <functional>
#include <memory>
#include <optional>

class QSettings;

namespace nookery {

// Values meant to land together through SettingsStore::save(batch).
class SettingsBatch
{
public:
    struct Write
    {
        QString section;
        QString key;
        QString value;
    };

    void save(const Key &key, const QString &value) { save(key, 0, value); }
    void save(const Key &key, int n, const QString &value)
    {
        m_writes.append({key.sectionName(), key.nameAt(n), value});
    }
    bool isEmpty() const { return m_writes.isEmpty(); }
    const QList<Write> &writes() const { return m_writes; }

private:
    QList<Write> m_writes;
};

// The per-user store of the suite's options and small values: application, section and
// key to a string. Missing keys read as "". Every write is on disk when the call returns;
// a write that cannot be made throws IoError so the calling handler shows its message, and
// then leaves no trace: reads give the old value and no later write stores it.
class SettingsStore
{
public:
    // The application name every caller passes.
    static const QString &Application();

    // The INI file at `filePath`; its folder is created on the first write.
    explicit SettingsStore(const QString &filePath);
    ~SettingsStore();
    SettingsStore(const SettingsStore &) = delete;
    SettingsStore &operator=(const SettingsStore &) = delete;

    // Production: "Quillane Software/Nookery.ini" in the user's config folder.
    static QString defaultFilePath();

    QString GetSetting(const QString &application, const QString &section,
                       const QString &key) const;
    void SaveSetting(const QString &application, const QString &section, const QString &key,
                     const QString &value);
    void DeleteSetting(const QString &application, const QString &section, const QString &key);

    // Shorthands for the suite's own application name.
    QString get(const QString &section, const QString &key) const
    {
        return GetSetting(Application(), section, key);
    }
    void save(const QString &section, const QString &key, const QString &value)
    {
        SaveSetting(Application(), section, key, value);
    }
    void remove(const QString &section, const QString &key)
    {
        DeleteSetting(Application(), section, key);
    }

    // The same through the key table; `n` picks the entry of an indexed key.
    QString get(const Key &key, int n = 0) const { return get(key.sectionName(), key.nameAt(n)); }
    void save(const Key &key, const QString &value) { save(key, 0, value); }
    void save(const Key &key, int n, const QString &value)
    {
        save(key.sectionName(), key.nameAt(n), value);
    }
    void remove(const Key &key, int n = 0) { remove(key.sectionName(), key.nameAt(n)); }
    // Every value of the batch in one file replacement, all or none; values the store
    // already holds are not written again.
    void save(const SettingsBatch &batch);
    // A switch read as its key's encoding says; the name says which encoding is expected.
    bool isOn(const Key &key, int n = 0) const { return value::isOn(key, get(key, n)); }
    bool isChecked(const Key &key, int n = 0) const
    {
        Q_ASSERT(key.encoding == Encoding::Flag);
        return isOn(key, n);
    }
    bool isYes(const Key &key, int n = 0) const
    {
        Q_ASSERT(key.encoding == Encoding::YesNo);
        return isOn(key, n);
    }
    // The value, or the key's fallback when empty; a seeded key writes its fallback first,
    // unless the store holds a value it cannot read.
    QString read(const Key &key, int n = 0);
    // Whether the file holds a value for the key that reads as no text (a hand-written
    // "@Variant(...)" or "@Rect(...)"): it reads as "" but must not be written over by a seed.
    bool isUnreadable(const Key &key, int n = 0) const;

private:
    // A stored value as text; none for a value that is not text.
    static std::optional<QString> text(const QVariant &value);
    QString keyPath(const QString &application, const QString &section, const QString &key) const;
    // One change to the open settings, and how to take it back.
    struct Change
    {
        QString path;
        QVariant after;  // invalid: the key goes
        QVariant before; // invalid: the key was not there
    };
    // Adds the change unless the store already holds that value.
    void stage(QList<Change> &changes, const QString &path, const QVariant &after) const;
    void commit(const QList<Change> &changes, const QString &what);
    bool landed(const QList<Change> &changes) const;
    void rollBack(const QList<Change> &changes);

    std::unique_ptr<QSettings> m_settings;
};

} // namespace nookery
