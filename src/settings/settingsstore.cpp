#include "settings/settingsstore.h"

#include "common/failure.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace nookery {

const QString &SettingsStore::Application()
{
    static const QString name = QStringLiteral("Quillane Software");
    return name;
}

SettingsStore::SettingsStore(const QString &filePath)
    : m_settings(std::make_unique<QSettings>(filePath, QSettings::IniFormat))
{
}

SettingsStore::~SettingsStore() = default;

QString SettingsStore::defaultFilePath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
           + u'/' + Application() + QStringLiteral("/Nookery.ini");
}

QString SettingsStore::keyPath(const QString &application, const QString &section,
                               const QString &key) const
{
    // The file belongs to the suite's own application, so its sections are the INI groups;
    // any other application name keeps its own level above them.
    QString path = section + u'/' + key;
    if (application != Application())
        path.prepend(application + u'/');
    return path;
}

QString SettingsStore::GetSetting(const QString &application, const QString &section,
                                  const QString &key) const
{
    const QVariant value = m_settings->value(keyPath(application, section, key));
    // A hand-edited line such as "a, b" reads back as a list; only strings are ours.
    if (value.typeId() == QMetaType::QString)
        return value.toString();
    if (value.typeId() == QMetaType::QByteArray)
        return QString::fromUtf8(value.toByteArray());
    return QString();
}

void SettingsStore::SaveSetting(const QString &application, const QString &section,
                                const QString &key, const QString &value)
{
    const QString path = keyPath(application, section, key);
    // Rewriting a value the file already holds would cost a file replacement for nothing,
    // and the start-up writes several such values back every time.
    const QVariant stored = m_settings->value(path);
    if (stored.typeId() == QMetaType::QString && stored.toString() == value)
        return;
    m_settings->setValue(path, value);
    commit(QStringLiteral("write ") + section + u'/' + key,
           [&] { return m_settings->value(path).toString() == value; });
}

void SettingsStore::DeleteSetting(const QString &application, const QString &section,
                                  const QString &key)
{
    const QString path = keyPath(application, section, key);
    if (!m_settings->contains(path))
        return;
    m_settings->remove(path);
    commit(QStringLiteral("delete ") + section + u'/' + key,
           [&] { return !m_settings->contains(path); });
}

QString SettingsStore::read(const Key &key, int n)
{
    const QString stored = get(key, n);
    if (!stored.isEmpty() || key.whenEmpty == WhenEmpty::Nothing)
        return stored;
    const QString fallback = key.fallback.toString();
    if (key.whenEmpty == WhenEmpty::Seed)
        save(key, n, fallback);
    return fallback;
}

void SettingsStore::commit(const QString &what, const std::function<bool()> &landed)
{
    const QFileInfo file(m_settings->fileName());
    if (!QDir().mkpath(file.absolutePath()))
        throw IoError(QStringLiteral("cannot create the settings folder to ") + what);
    m_settings->sync();
    if (m_settings->status() == QSettings::FormatError) {
        // A hand-edited file that did not parse keeps QSettings in its format-error state,
        // which then hides write errors. The write has replaced the file, so read it afresh
        // and check that the change is really there.
        const QString file = m_settings->fileName();
        m_settings = std::make_unique<QSettings>(file, QSettings::IniFormat);
        if (m_settings->status() == QSettings::NoError && landed())
            return;
        throw IoError(QStringLiteral("cannot ") + what + QStringLiteral(" in ") + file);
    }
    if (m_settings->status() != QSettings::NoError)
        throw IoError(QStringLiteral("cannot ") + what + QStringLiteral(" in ")
                      + m_settings->fileName());
}

} // namespace nookery
