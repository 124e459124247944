#include "common/failure.h"
#include "settings/blockedfolder.h"
#include "settings/settingsstore.h"
#include "support/tempstore.h"

#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTest>
#include <qplatformdefs.h>

using namespace nookery;

class tst_SettingsStore : public QObject
{
    Q_OBJECT

private slots:
    void valuesRoundTripExactly_data();
    void valuesRoundTripExactly();
    void missingAndDeletedKeysReadEmpty();
    void writeIsOnDiskBeforeReturn();
    void otherApplicationKeptApart();
    void readOnlyFileThrows();
    void readOnlyFolderThrows();
    void corruptFileReadsAndStaysWritable();
    void failedWriteLeavesNoTrace_data();
    void failedWriteLeavesNoTrace();
    void batchWritesOnlyWhatChanged();
};

using test::BlockedFolder;
using test::fileBytes;

void tst_SettingsStore::valuesRoundTripExactly_data()
{
    QTest::addColumn<QString>("value");
    QTest::newRow("empty") << QString();
    QTest::newRow("blanks both ends") << QStringLiteral("  padded \t");
    QTest::newRow("commas") << QStringLiteral("a, b,c");
    QTest::newRow("quotes") << QStringLiteral("say \"hi\" '");
    QTest::newRow("backslashes") << QStringLiteral("C:\\Program Files\\x\\\\");
    QTest::newRow("ini syntax") << QStringLiteral("a=b;c#d [e] @f");
    QTest::newRow("leading at") << QStringLiteral("@Variant(\\0\\0\\0\\x7f)");
    QTest::newRow("line breaks") << QStringLiteral("one\ntwo\r\nthree\r");
    QTest::newRow("non-ascii") << QStringLiteral("Grüße, 東京, \U0001F600");
    QTest::newRow("number-like") << QStringLiteral("0012");
    QTest::newRow("true") << QStringLiteral("true");
    QTest::newRow("several KB") << QString(6000, u'x') + QStringLiteral(",\"=\n");
}

void tst_SettingsStore::valuesRoundTripExactly()
{
    QFETCH(QString, value);
    test::TempStore temp;
    temp.store().save(QStringLiteral("Other Programs"), QStringLiteral("Program 1 path"), value);
    QCOMPARE(temp.store().get(QStringLiteral("Other Programs"), QStringLiteral("Program 1 path")),
             value);
    // And as a later run reads it from the file.
    QCOMPARE(temp.reopen()->get(QStringLiteral("Other Programs"), QStringLiteral("Program 1 path")),
             value);
}

void tst_SettingsStore::missingAndDeletedKeysReadEmpty()
{
    test::TempStore temp;
    SettingsStore &s = temp.store();
    QCOMPARE(s.get(QStringLiteral("CountDown"), QStringLiteral("Date CountDown Text 1")),
             QString());
    const QString section = QStringLiteral("CountDown");
    for (const char *k :
         {"Date CountDown Text 1", "Date CountDown Date 1", "Date CountDown Time 1"})
        s.save(section, QLatin1String(k), QStringLiteral("x"));
    s.save(section, QStringLiteral("Date CountDown Text 2"), QStringLiteral("kept"));
    for (const char *k :
         {"Date CountDown Text 1", "Date CountDown Date 1", "Date CountDown Time 1"})
        s.remove(section, QLatin1String(k));
    auto reopened = temp.reopen();
    QCOMPARE(reopened->get(section, QStringLiteral("Date CountDown Text 1")), QString());
    QCOMPARE(reopened->get(section, QStringLiteral("Date CountDown Time 1")), QString());
    QCOMPARE(reopened->get(section, QStringLiteral("Date CountDown Text 2")),
             QStringLiteral("kept"));
    // Deleting what is not there is no failure.
    s.remove(section, QStringLiteral("never written"));
}

void tst_SettingsStore::writeIsOnDiskBeforeReturn()
{
    test::TempStore temp;
    auto other = temp.reopen(); // opened before the write, like a second running process
    temp.store().save(QStringLiteral("Reminders"), QStringLiteral("Days Checked"),
                      QStringLiteral("6"));
    QFile file(temp.path());
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QVERIFY2(bytes.contains("Days%20Checked=6") || bytes.contains("Days Checked=6"),
             bytes.constData());
    // Another reader of the same file, opened before and after the write, sees it: unsynced
    // changes stay with the QSettings that made them.
    QCOMPARE(other->get(QStringLiteral("Reminders"), QStringLiteral("Days Checked")),
             QStringLiteral("6"));
    QSettings raw(temp.path(), QSettings::IniFormat);
    QCOMPARE(raw.value(QStringLiteral("Reminders/Days Checked")).toString(), QStringLiteral("6"));
}

void tst_SettingsStore::otherApplicationKeptApart()
{
    test::TempStore temp;
    SettingsStore &s = temp.store();
    s.save(QStringLiteral("Calendar"), QStringLiteral("Menu"), QStringLiteral("checked"));
    s.SaveSetting(QStringLiteral("Other App"), QStringLiteral("Calendar"), QStringLiteral("Menu"),
                  QStringLiteral("other"));
    QCOMPARE(s.get(QStringLiteral("Calendar"), QStringLiteral("Menu")), QStringLiteral("checked"));
    QCOMPARE(s.GetSetting(QStringLiteral("Other App"), QStringLiteral("Calendar"),
                          QStringLiteral("Menu")),
             QStringLiteral("other"));
}

void tst_SettingsStore::readOnlyFileThrows()
{
    if (geteuid() == 0)
        QSKIP("root writes through file permissions");
    test::TempStore temp;
    temp.store().save(QStringLiteral("Calendar"), QStringLiteral("Menu"),
                      QStringLiteral("checked"));
    QFile::setPermissions(temp.path(), QFile::ReadOwner);
    QVERIFY_THROWS_EXCEPTION(IoError,
                             temp.store().save(QStringLiteral("Calendar"), QStringLiteral("Menu"),
                                               QStringLiteral("unchecked")));
    QCOMPARE(temp.reopen()->get(QStringLiteral("Calendar"), QStringLiteral("Menu")),
             QStringLiteral("checked"));
}

void tst_SettingsStore::readOnlyFolderThrows()
{
    test::TempStore temp;
    // A plain file where the store's folder should be: no permission trick needed, so this
    // holds for root too.
    QFile blocker(temp.folder() + QStringLiteral("/cfg"));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    SettingsStore store(temp.path());
    QVERIFY_THROWS_EXCEPTION(IoError, store.save(QStringLiteral("Other Programs"),
                                                 QStringLiteral("Version"), QStringLiteral("7.0")));
}

void tst_SettingsStore::corruptFileReadsAndStaysWritable()
{
    test::TempStore temp;
    QDir().mkpath(temp.folder() + QStringLiteral("/cfg"));
    QFile file(temp.path());
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("garbage line without equals\n\x01\x02\xff\xfe\n[Other%20Programs\n"
               "[Other%20Programs]\nPath=a, b, c\nVersion=@Variant(\\0\\0\\0\\x2\\0\\0\\0\\x5)\n"
               "Program%201%20label=Editor\n=novalue\n");
    file.close();
    SettingsStore store(temp.path());
    // A value QSettings parses as a list reads as the text the line holds.
    QCOMPARE(store.get(keys::Path), QStringLiteral("a, b, c"));
    QCOMPARE(store.get(QStringLiteral("Other Programs"), QStringLiteral("Version")), QString());
    // One it cannot read at all is used as empty, and its seed does not replace it.
    QCOMPARE(store.read(keys::Version), SuiteVersion.toString());
    QVERIFY(store.isUnreadable(keys::Version));
    QVERIFY(QSettings(temp.path(), QSettings::IniFormat).value("Other Programs/Version").isValid());
    QCOMPARE(store.get(QStringLiteral("Other Programs"), QStringLiteral("Program 1 label")),
             QStringLiteral("Editor"));
    store.save(QStringLiteral("Other Programs"), QStringLiteral("Path"), QStringLiteral("/data"));
    QCOMPARE(temp.reopen()->get(QStringLiteral("Other Programs"), QStringLiteral("Path")),
             QStringLiteral("/data"));
}

void tst_SettingsStore::failedWriteLeavesNoTrace_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("single write") << QStringLiteral("save");
    QTest::newRow("delete") << QStringLiteral("remove");
    QTest::newRow("batch") << QStringLiteral("batch");
}

void tst_SettingsStore::failedWriteLeavesNoTrace()
{
    QFETCH(QString, how);
    test::TempStore temp;
    SettingsStore &s = temp.store();
    s.save(keys::CalendarMenu, QStringLiteral("checked"));
    s.save(keys::Page, 1, QStringLiteral("Home"));
    const QByteArray before = fileBytes(temp.path());
    auto other = temp.reopen();
    {
        BlockedFolder blocked(temp);
        if (how == u"save") {
            QVERIFY_THROWS_EXCEPTION(IoError, s.save(keys::CalendarMenu, QStringLiteral("failed")));
        } else if (how == u"remove") {
            QVERIFY_THROWS_EXCEPTION(IoError, s.remove(keys::CalendarMenu));
        } else {
            SettingsBatch batch;
            batch.save(keys::CalendarMenu, QStringLiteral("failed"));
            batch.save(keys::Page, 2, QStringLiteral("failed"));
            batch.save(keys::Page, 1, QStringLiteral("Home")); // unchanged
            QVERIFY_THROWS_EXCEPTION(IoError, s.save(batch));
        }
        QCOMPARE(s.get(keys::CalendarMenu), QStringLiteral("checked"));
        QCOMPARE(other->get(keys::CalendarMenu), QStringLiteral("checked"));
        QCOMPARE(s.get(keys::Page, 2), QString());
        QCoreApplication::processEvents(); // QSettings' own deferred sync
        blocked.unblock();
        QCoreApplication::processEvents();
        QCOMPARE(fileBytes(temp.path()), before);
    }
    // The next good write stores itself only.
    s.save(keys::Version, QStringLiteral("7.0"));
    const QByteArray after = fileBytes(temp.path());
    QVERIFY2(!after.contains("failed") && after.contains("Menu=checked"), after.constData());
    QCOMPARE(s.get(keys::Version), QStringLiteral("7.0"));
}

void tst_SettingsStore::batchWritesOnlyWhatChanged()
{
    test::TempStore temp;
    SettingsStore &s = temp.store();
    SettingsBatch batch;
    batch.save(keys::CalendarMenu, QStringLiteral("checked"));
    batch.save(keys::Sound, 2, QStringLiteral("  a, \"b\" "));
    batch.save(keys::Page, 10, QString());
    s.save(batch);
    auto other = temp.reopen();
    QCOMPARE(other->get(keys::CalendarMenu), QStringLiteral("checked"));
    QCOMPARE(other->get(keys::Sound, 2), QStringLiteral("  a, \"b\" "));
    QVERIFY(fileBytes(temp.path()).contains("Page10="));

    // The same values again replace nothing: the file keeps its inode and time.
    QT_STATBUF st1;
    QCOMPARE(QT_STAT(QFile::encodeName(temp.path()).constData(), &st1), 0);
    s.save(batch);
    QT_STATBUF st2;
    QCOMPARE(QT_STAT(QFile::encodeName(temp.path()).constData(), &st2), 0);
    QCOMPARE(st2.st_ino, st1.st_ino);
}

QTEST_GUILESS_MAIN(tst_SettingsStore)
#include "tst_settingsstore.moc"
