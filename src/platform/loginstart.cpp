#include "platform/loginstart.h"

#include "common/failure.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace nookery {

LoginStart::LoginStart(QString entryFile, QString launcher)
    : m_entryFile(std::move(entryFile)), m_launcher(std::move(launcher))
{
}

QString LoginStart::defaultEntryFile()
{
    // A relative XDG_CONFIG_HOME is to be ignored, as the base directory rules say.
    QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (config.isEmpty() || QDir::isRelativePath(config))
        config = QDir::homePath() + QStringLiteral("/.config");
    return config + QStringLiteral("/autostart/nookery.desktop");
}

QString LoginStart::defaultLauncher()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/nookery-launch");
}

QString LoginStart::execValue(const QString &program)
{
    static const QString reserved = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
    bool quote = false;
    for (QChar c : program)
        quote = quote || reserved.contains(c);
    QString out;
    if (quote) {
        out += u'"';
        for (QChar c : program) {
            if (c == u'"' || c == u'`' || c == u'$' || c == u'\\')
                out += u'\\';
            out += c;
        }
        out += u'"';
    } else {
        out = program;
    }
    // Field codes start with %, and the file format itself escapes backslashes.
    out.replace(u'%', QStringLiteral("%%"));
    out.replace(u'\\', QStringLiteral("\\\\"));
    return out;
}

bool LoginStart::isOn() const
{
    return QFileInfo::exists(m_entryFile);
}

std::optional<QByteArray> LoginStart::entry() const
{
    QFile file(m_entryFile);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return file.readAll();
}

void LoginStart::set(bool on)
{
    if (on == isOn())
        return;
    if (!on) {
        QFile file(m_entryFile);
        if (!file.remove())
            throw IoError(m_entryFile + QStringLiteral(": ") + file.errorString());
        return;
    }
    const QString text = QStringLiteral("[Desktop Entry]\n"
                                        "Type=Application\n"
                                        "Name=Nookery\n"
                                        "Comment=Starts Nookery when you log in\n"
                                        "Exec=") +
                         execValue(m_launcher) +
                         QStringLiteral("\n"
                                        "Icon=nookery\n"
                                        "Terminal=false\n"
                                        "X-GNOME-Autostart-enabled=true\n");
    write(text.toUtf8());
}

void LoginStart::restore(const std::optional<QByteArray> &entry)
{
    if (entry) {
        write(*entry);
    } else if (isOn()) {
        QFile file(m_entryFile);
        if (!file.remove())
            throw IoError(m_entryFile + QStringLiteral(": ") + file.errorString());
    }
}

void LoginStart::write(const QByteArray &bytes)
{
    const QString folder = QFileInfo(m_entryFile).absolutePath();
    QSaveFile file(m_entryFile);
    if (!QDir().mkpath(folder) || !file.open(QIODevice::WriteOnly) ||
        file.write(bytes) != bytes.size() || !file.commit())
        throw IoError(m_entryFile + QStringLiteral(": ") + file.errorString());
}

} // namespace nookery
