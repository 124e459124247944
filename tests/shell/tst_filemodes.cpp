// Every file the suite creates is the user's alone, whatever the umask: each is made here by
// the code that makes it in use, under umask 0, and its mode checked.
#include "reminders/reminderfile.h"
#include "startup/startuplog.h"
#include "upgrade/olderdata.h"
#include "upgrade/rtfnotefiles.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QTemporaryDir>
#include <QTest>

#include <dlfcn.h>
#include <functional>
#include <memory>
#include <sys/stat.h>

using namespace nookery;

namespace {

// A temporary lives only until it is renamed over its target: its mode is taken as it goes.
QHash<QString, mode_t> &renamedModes()
{
    static QHash<QString, mode_t> modes;
    return modes;
}

} // namespace

extern "C" int rename(const char *from, const char *to)
{
    struct stat st = {};
    if (::stat(from, &st) == 0)
        renamedModes().insert(QFileInfo(QFile::decodeName(from)).fileName(), st.st_mode & 0777);
    using Rename = int (*)(const char *, const char *);
    static const auto real = reinterpret_cast<Rename>(dlsym(RTLD_NEXT, "rename"));
    return real(from, to);
}

// Makes the file in the folder; what it returns is held until the mode has been looked at.
using Make = std::function<std::shared_ptr<void>(const QDir &)>;
Q_DECLARE_METATYPE(Make)

class tst_FileModes : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { m_umask = ::umask(0); }
    void cleanupTestCase() { ::umask(m_umask); }
    void userOnly_data();
    void userOnly();

private:
    mode_t m_umask = 022;
};

void tst_FileModes::userOnly_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<Make>("make");
    const auto row = [](const char *name, Make make) {
        QTest::newRow(name) << QString::fromLatin1(name) << make;
    };
    const auto openReminders = [](const QDir &d) {
        auto file = std::make_shared<ReminderFile>(d);
        file->Open(DatePatterns::fromSetting(QString()));
        return file;
    };
    row("Sticky1.rtf", [](const QDir &d) {
        RtfNoteFiles().writePlain(d.filePath(QStringLiteral("Sticky1.rtf")), QStringLiteral("x"));
        return nullptr;
    });
    row("reminder.dat", openReminders);
    row("reminder.lck", openReminders);
    row("reminder.tmp", [=](const QDir &d) {
        const auto file = openReminders(d);
        file->Append(ReminderRecord::make(QStringLiteral("x"), 'X', 'O', QString()));
        file->Remove(1);
        return nullptr;
    });
    row("reminder.bak", [](const QDir &d) {
        QFile older(d.filePath(QStringLiteral("reminder.dat")));
        if (older.open(QIODevice::WriteOnly))
            older.write(QByteArray("Christmas Day").leftJustified(44) + "XY" + "12/25/99");
        older.close();
        older.setPermissions(QFile::ReadOwner | QFile::WriteOwner);
        RtfNoteFiles notes;
        OlderDataUpgrade(d.path(), d.path(), notes).run({});
        return nullptr;
    });
    row("startup.dat", [](const QDir &d) {
        appendStartup(d.filePath(QStringLiteral("startup.dat")),
                      StartupRecord::at(QDateTime(QDate(2026, 12, 8), QTime(9, 0)), QString()));
        return nullptr;
    });
    row("startup.tmp", [](const QDir &d) {
        StartupLog log(d.filePath(QStringLiteral("startup.dat")), false);
        log.open();
        log.pruneToNewest();
        return nullptr;
    });
    // Recovery files of unsaved notes belong here too.
}

void tst_FileModes::userOnly()
{
    QFETCH(QString, name);
    QFETCH(Make, make);
    QTemporaryDir dir;
    renamedModes().clear();
    const std::shared_ptr<void> held = make(QDir(dir.path()));
    struct stat st = {};
    if (::stat(QFile::encodeName(QDir(dir.path()).filePath(name)).constData(), &st) == 0) {
        QCOMPARE(st.st_mode & 0077, mode_t(0));
    } else {
        QVERIFY2(renamedModes().contains(name), "the suite made no such file");
        QCOMPARE(renamedModes().value(name) & 0077, mode_t(0));
    }
}

QTEST_GUILESS_MAIN(tst_FileModes)
#include "tst_filemodes.moc"
