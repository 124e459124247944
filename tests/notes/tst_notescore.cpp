// What the notes window builds on without a widget: the date stamp, where note files are,
// and how a selection's formatting reads.

#include "notes/datestamp.h"
#include "notes/notefiles.h"
#include "notes/noteformat.h"
#include "rtfdump.h"
#include "settings/keys.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTextCursor>
#include <QTextDocument>

using namespace nookery;

class TestNotesCore : public QObject
{
    Q_OBJECT

private slots:
    void stamp_data();
    void stamp();
    void files_data();
    void files();
    void selection_data();
    void selection();
    void bulletsOffRemovesIndent();
};

void TestNotesCore::stamp_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QStringList>("style"); // Short, Medium, Long, Calendar Format
    QTest::addColumn<QString>("stamp");     // empty: nothing inserted
    const QString en = QStringLiteral("en_US");
    QTest::newRow("short, day first")
        << en << QStringList{u"yes"_qs, {}, {}, u"dd/mm"_qs} << u"25/12/01  09:05 PM"_qs;
    QTest::newRow("short, month first")
        << en << QStringList{u"yes"_qs, u"yes"_qs, {}, {}} << u"12/25/01  09:05 PM"_qs;
    QTest::newRow("medium") << en << QStringList{u"no"_qs, u"yes"_qs, u"yes"_qs, u"dd/mm"_qs}
                            << u"25-Dec-01  09:05 PM"_qs;
    QTest::newRow("long") << en << QStringList{u"no"_qs, u"no"_qs, u"yes"_qs, {}}
                          << u"Tuesday, December 25, 2001  09:05 PM"_qs;
    QTest::newRow("nothing stored")
        << en << QStringList{{}, {}, {}, {}} << u"Tuesday, December 25, 2001  09:05 PM"_qs;
    QTest::newRow("none chosen") << en << QStringList{u"no"_qs, u"no"_qs, u"no"_qs, {}}
                                 << QString();
    QTest::newRow("YES is not yes")
        << en << QStringList{u"YES"_qs, u"Yes"_qs, u"no"_qs, {}} << QString();
    QTest::newRow("de short") << u"de_DE"_qs << QStringList{u"yes"_qs, {}, {}, u"dd/mm"_qs}
                              << u"25.12.01  09:05 PM"_qs;
    QTest::newRow("de medium") << u"de_DE"_qs << QStringList{{}, u"yes"_qs, {}, {}}
                               << u"25-Dez.-01  09:05 PM"_qs;
    QTest::newRow("de long") << u"de_DE"_qs << QStringList{{}, {}, u"yes"_qs, {}}
                             << u"Dienstag, 25. Dezember 2001  09:05 PM"_qs;
}

void TestNotesCore::stamp()
{
    QFETCH(QString, locale);
    QFETCH(QStringList, style);
    QFETCH(QString, stamp);
    const QLocale before;
    QLocale::setDefault(QLocale(locale));
    const std::optional<QString> got =
        dateStamp({value::isOn(keys::ShortDate, style[0]), value::isOn(keys::MediumDate, style[1]),
                   value::isOn(keys::LongDate, style[2]), style[3]},
                  QDateTime(QDate(2001, 12, 25), QTime(21, 5, 30)));
    QLocale::setDefault(before);
    QCOMPARE(got.value_or(QString()), stamp);
    QCOMPARE(got.has_value(), !stamp.isEmpty());
}

void TestNotesCore::files_data()
{
    QTest::addColumn<QStringList>("present");
    QTest::addColumn<int>("note");
    QTest::addColumn<QString>("found");
    QTest::newRow("exact") << QStringList{u"Sticky1.rtf"_qs, u"sticky1.rtf"_qs} << 1
                           << u"Sticky1.rtf"_qs;
    QTest::newRow("other case") << QStringList{u"STICKY10.RTF"_qs} << 10 << u"STICKY10.RTF"_qs;
    QTest::newRow("none") << QStringList{u"Sticky11.rtf"_qs, u"Sticky1.rtf.bak"_qs} << 1
                          << u"Sticky1.rtf"_qs;
}

void TestNotesCore::files()
{
    QFETCH(QStringList, present);
    QFETCH(int, note);
    QFETCH(QString, found);
    QTemporaryDir dir;
    for (const QString &name : present) {
        QFile file(dir.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    QCOMPARE(noteFilePath(QDir(dir.path()), note), dir.filePath(found));

    // The folder setting: empty is the start folder, a relative one is taken against it.
    const QDir start(dir.path());
    QCOMPARE(notesFolder(QString(), start).absolutePath(), start.absolutePath());
    QCOMPARE(notesFolder(u"notes"_qs, start).absolutePath(), dir.filePath(u"notes"_qs));
    QCOMPARE(notesFolder(u"/srv/notes"_qs, start).absolutePath(), u"/srv/notes"_qs);
}

void TestNotesCore::selection_data()
{
    QTest::addColumn<QString>("html");
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<QString>("expected"); // family|size|b i u|align|bullet, "?" for mixed
    const QString doc = QStringLiteral(
        "<p><b>bold</b>plain<span style='font-family:Arial; font-size:20pt'>big</span></p>"
        "<p align=center><i>centred</i></p><ul><li>item</li></ul><p align=justify>just</p>");
    QTest::newRow("caret in bold") << doc << 2 << 2 << u"Times New Roman|12|+--|L|-"_qs;
    QTest::newRow("bold and plain") << doc << 0 << 9 << u"Times New Roman|12|?--|L|-"_qs;
    QTest::newRow("into Arial") << doc << 5 << 11 << u"||---|L|-"_qs;
    QTest::newRow("only Arial") << doc << 9 << 12 << u"Arial|20|---|L|-"_qs;
    QTest::newRow("two paragraphs") << doc << 10 << 15 << u"||-?-|?|-"_qs;
    QTest::newRow("centre and bullet") << doc << 14 << 23 << u"Times New Roman|12|-?-|?|?"_qs;
    QTest::newRow("bullet only") << doc << 21 << 23 << u"Times New Roman|12|---|L|+"_qs;
    QTest::newRow("justified") << doc << 26 << 26 << u"Times New Roman|12|---|J|-"_qs;
}

void TestNotesCore::selection()
{
    QFETCH(QString, html);
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(QString, expected);
    QTextDocument doc;
    doc.setDefaultFont(test::noteFont());
    doc.setHtml(html);
    QTextCursor cursor(&doc);
    cursor.setPosition(from);
    cursor.setPosition(to, QTextCursor::KeepAnchor);
    const SelectionFormat f = selectionFormat(cursor, doc.defaultFont());
    const auto tri = [](Tri t) { return t == Tri::On ? u'+' : t == Tri::Off ? u'-' : u'?'; };
    const char16_t aligns[] = {u'L', u'R', u'C', u'J', u'?'};
    const QString got = f.family + u'|' +
                        (f.pointSize > 0 ? QString::number(f.pointSize) : QString()) + u'|' +
                        tri(f.bold) + tri(f.italic) + tri(f.underline) + u'|' +
                        QChar(aligns[int(f.align)]) + u'|' + tri(f.bullet);
    QCOMPARE(got, expected);
}

void TestNotesCore::bulletsOffRemovesIndent()
{
    QTextDocument doc;
    doc.setDefaultFont(test::noteFont());
    doc.setHtml(u"<ul><li>one</li></ul><p>two</p>"_qs);
    QTextCursor cursor(&doc);
    cursor.select(QTextCursor::Document);
    setBullets(cursor, true);
    QCOMPARE(test::dump(doc), u"* one\n* two"_qs);
    QCOMPARE(doc.begin().textList(), doc.lastBlock().textList());
    setBullets(cursor, false);
    QCOMPARE(test::dump(doc), u"one\ntwo"_qs);
    QCOMPARE(doc.begin().blockFormat().indent(), 0);
}

QTEST_MAIN(TestNotesCore)
#include "tst_notescore.moc"
