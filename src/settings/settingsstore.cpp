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
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + u'/' +
           Application() + QStringLiteral("/Nookery.ini");
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
    return text(m_settings->value(keyPath(application, section, key))).value_or(QString());
}

std::optional<QString> SettingsStore::text(const QVariant &value)
{
    if (!value.isValid())
        return QString();
    if (value.typeId() == QMetaType::QString)
        return value.toString();
    if (value.typeId() == QMetaType::QByteArray)
        return QString::fromUtf8(value.toByteArray());
    // A hand-edited line such as "Path=/home/u/Notes, synced" parses as a list: the user
    // meant the text, as the file holds it.
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(QStringLiteral(", "));
    return std::nullopt;
}

bool SettingsStore::isUnreadable(const Key &key, int n) const
{
    return !text(m_settings->value(keyPath(Application(), key.sectionName(), key.nameAt(n))));
}

void SettingsStore::SaveSetting(const QString &application, const QString &section,
                                const QString &key, const QString &value)
{
    QList<Change> changes;
    stage(changes, keyPath(application, section, key), value);
    commit(changes, QStringLiteral("write ") + section + u'/' + key);
}

void SettingsStore::DeleteSetting(const QString &application, const QString &section,
                                  const QString &key)
{
    QList<Change> changes;
    stage(changes, keyPath(application, section, key), QVariant());
    commit(changes, QStringLiteral("delete ") + section + u'/' + key);
}

void SettingsStore::save(const SettingsBatch &batch)
{
    QList<Change> changes;
    for (const SettingsBatch::Write &w : batch.writes())
        stage(changes, keyPath(Application(), w.section, w.key), w.value);
    const QString what = changes.size() == 1
                             ? QStringLiteral("write ") + changes.first().path
                             : QStringLiteral("write %1 settings").arg(changes.size());
    commit(changes, what);
}

void SettingsStore::stage(QList<Change> &changes, const QString &path, const QVariant &after) const
{
    // Rewriting a value the file already holds would cost a file replacement for nothing,
    // and the start-up writes several such values back every time.
    const QVariant stored = m_settings->value(path);
    if (!after.isValid() ? !stored.isValid()
                         : stored.typeId() == QMetaType::QString && stored == after)
        return;
    // A batch may name a key twice; the later value wins, and rolling back in reverse
    // order still ends at what was stored.
    for (const Change &c : std::as_const(changes)) {
        if (c.path == path) {
            changes.append({path, after, c.after});
            return;
        }
    }
    changes.append({path, after, stored});
}

QString SettingsStore::read(const Key &key, int n)
{
    const QString stored = get(key, n);
    if (!stored.isEmpty() || key.whenEmpty == WhenEmpty::Nothing)
        return stored;
    const QString fallback = key.fallback.toString();
    // A value the store cannot read is still the user's: it is used as empty, never replaced.
    if (key.whenEmpty == WhenEmpty::Seed && !isUnreadable(key, n))
        save(key, n, fallback);
    return fallback;
}

void SettingsStore::commit(const QList<Change> &changes, const QString &what)
{
    if (changes.isEmpty())
        return;
    const QString file = m_settings->fileName();
    // QSettings keeps an error status for good, even after later writes succeed; a fresh
    // object over the same file starts clean.
    if (m_settings->status() != QSettings::NoError)
        m_settings = std::make_unique<QSettings>(file, QSettings::IniFormat);
    for (const Change &c : changes) {
        if (c.after.isValid())
            m_settings->setValue(c.path, c.after);
        else
            m_settings->remove(c.path);
    }
    try {
        if (!QDir().mkpath(QFileInfo(file).absolutePath()))
            throw IoError(QStringLiteral("cannot create the folder of ") + file +
                          QStringLiteral(" to ") + what);
        m_settings->sync();
        if (m_settings->status() == QSettings::FormatError) {
            // A hand-edited file that did not parse keeps QSettings in its format-error
            // state, which then hides write errors. The write has replaced the file, so read
            // it afresh and check that the change is really there.
            m_settings = std::make_unique<QSettings>(file, QSettings::IniFormat);
            if (m_settings->status() == QSettings::NoError && landed(changes))
                return;
            throw IoError(QStringLiteral("cannot ") + what + QStringLiteral(" in ") + file);
        }
        if (m_settings->status() != QSettings::NoError)
            throw IoError(QStringLiteral("cannot ") + what + QStringLiteral(" in ") + file);
    } catch (const IoError &) {
        rollBack(changes);
        throw;
    }
}

bool SettingsStore::landed(const QList<Change> &changes) const
{
    for (const Change &c : changes) {
        const QVariant now = m_settings->value(c.path);
        if (c.after.isValid() ? now != c.after : now.isValid())
            return false;
    }
    return true;
}

void SettingsStore::rollBack(const QList<Change> &changes)
{
    // QSettings keeps an unsaved value in memory: later reads would see it and the next
    // good write would store it. Put back what was there, so a failed write leaves no trace.
    for (auto c = changes.crbegin(); c != changes.crend(); ++c) {
        if (c->before.isValid())
            m_settings->setValue(c->path, c->before);
        else
            m_settings->remove(c->path);
    }
}

} // namespace nookery
