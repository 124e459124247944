#include "common/datepattern.h"
#include "common/text1252.h"

#include <QLocale>
#include <QTest>

using namespace nookery;

class tst_Common : public QObject
{
    Q_OBJECT

private slots:
    void windows1252_data();
    void windows1252();
    void everyByteRoundTrips();
    void fixedField();
    void datePatterns_data();
    void datePatterns();
    void dateAndTimeTexts_data();
    void dateAndTimeTexts();
};

void tst_Common::windows1252_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("ascii") << QStringLiteral("Dentist 10:30") << QByteArray("Dentist 10:30");
    QTest::newRow("latin-1 range") << QStringLiteral("café ß ÿ") << QByteArray("caf\xe9 \xdf \xff");
    QTest::newRow("1252 extras") << QStringLiteral("€ „quoted“ – … ™ Ÿ")
                                 << QByteArray("\x80 \x84quoted\x93 \x96 \x85 \x99 \x9f");
    QTest::newRow("outside the code page")
        << QStringLiteral("Tokyo 東京 ✓") << QByteArray("Tokyo ?? ?");
    QTest::newRow("astral is one ?") << QStringLiteral("a\U0001F600b") << QByteArray("a?b");
    QTest::newRow("question mark") << QStringLiteral("why?") << QByteArray("why?");
}

void tst_Common::windows1252()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    const QByteArray encoded = toWindows1252(text);
    QCOMPARE(encoded, bytes);
    QVERIFY(!encoded.contains('\x1a'));
    if (!bytes.contains('?') || text.contains(u'?'))
        QCOMPARE(fromWindows1252(bytes), text);
}

void tst_Common::everyByteRoundTrips()
{
    // Files from the Windows versions must read and write back byte for byte.
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(char(b));
    const QString text = fromWindows1252(all);
    QCOMPARE(text.size(), 256);
    QCOMPARE(toWindows1252(text), all);
}

void tst_Common::fixedField()
{
    QCOMPARE(toFixedField(QStringLiteral("ab"), 5), QByteArray("ab   "));
    QCOMPARE(toFixedField(QStringLiteral("abcdef"), 4), QByteArray("abcd"));
    QCOMPARE(toFixedField(QStringLiteral("é€"), 3), QByteArray("\xe9\x80 "));
    QCOMPARE(toFixedField(QString(), 2), QByteArray("  "));
}

void tst_Common::datePatterns_data()
{
    QTest::addColumn<QString>("setting");
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("shortText");
    QTest::addColumn<QString>("longText");
    QTest::addColumn<bool>("localeDayFirst");
    QTest::newRow("day first") << "dd/mm"
                               << "en_US"
                               << "03/04/26"
                               << "03/04/2026" << false;
    QTest::newRow("month first") << "mm/dd"
                                 << "en_US"
                                 << "04/03/26"
                                 << "04/03/2026" << false;
    QTest::newRow("empty is month first") << ""
                                          << "en_US"
                                          << "04/03/26"
                                          << "04/03/2026" << false;
    QTest::newRow("DD/MM is month first") << "DD/MM"
                                          << "en_US"
                                          << "04/03/26"
                                          << "04/03/2026" << false;
    QTest::newRow("German separator") << "dd/mm"
                                      << "de_DE"
                                      << "03.04.26"
                                      << "03.04.2026" << true;
    // C's short date "d MMM yyyy" has only a blank, and no numeric order of its own.
    QTest::newRow("C.UTF-8 writes slashes") << "mm/dd"
                                            << "C.UTF-8"
                                            << "04/03/26"
                                            << "04/03/2026" << false;
    QTest::newRow("no locale at all") << "dd/mm"
                                      << "POSIX"
                                      << "03/04/26"
                                      << "03/04/2026" << false;
    QTest::newRow("dashes of sv_SE") << "mm/dd"
                                     << "sv_SE"
                                     << "04-03-26"
                                     << "04-03-2026" << false;
    QTest::newRow("en_GB is day first") << "mm/dd"
                                        << "en_GB"
                                        << "04/03/26"
                                        << "04/03/2026" << true;
}

void tst_Common::datePatterns()
{
    QFETCH(QString, setting);
    QFETCH(QString, locale);
    QFETCH(QString, shortText);
    QFETCH(QString, longText);
    QLocale::setDefault(QLocale(locale));
    const DatePatterns p = DatePatterns::fromSetting(setting);
    const QDate date(2026, 4, 3);
    QCOMPARE(formatDatePattern(date, p.shortDate), shortText);
    QCOMPARE(formatDatePattern(date, p.longDate), longText);
    QCOMPARE(p.dayFirst(), setting == u"dd/mm");
    const bool dayFirst = localeDayFirst();
    QLocale::setDefault(QLocale(QStringLiteral("en_US")));
    QTEST(dayFirst, "localeDayFirst");
}

void tst_Common::dateAndTimeTexts_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QTime>("time");
    QTest::addColumn<QString>("medium");
    QTest::addColumn<QString>("mediumClock");
    QTest::addColumn<QString>("longClock");
    QTest::newRow("en_US evening")
        << "en_US" << QDate(2026, 12, 8) << QTime(21, 5, 7) << "08-Dec-26"
        << "09:05 PM"
        << "9:05:07 PM";
    QTest::newRow("en_US noon and midnight")
        << "en_US" << QDate(2001, 5, 31) << QTime(12, 0, 0) << "31-May-01"
        << "12:00 PM"
        << "12:00:00 PM";
    QTest::newRow("en_US just after midnight")
        << "en_US" << QDate(2030, 1, 1) << QTime(0, 1, 2) << "01-Jan-30"
        << "12:01 AM"
        << "12:01:02 AM";
    QTest::newRow("de_DE") << "de_DE" << QDate(2026, 12, 8) << QTime(21, 5, 7) << "08-Dez.-26"
                           << "09:05 PM"
                           << "21:05:07";
    QTest::newRow("de_DE morning") << "de_DE" << QDate(2026, 3, 2) << QTime(9, 0, 0) << "02-März-26"
                                   << "09:00 AM"
                                   << "09:00:00";
}

void tst_Common::dateAndTimeTexts()
{
    QFETCH(QString, locale);
    QFETCH(QDate, date);
    QFETCH(QTime, time);
    QLocale::setDefault(QLocale(locale));
    const QString mediumText = mediumDate(date);
    const QString mediumClock = mediumTime(time);
    const QString longClock = longTime(time);
    QLocale::setDefault(QLocale(QStringLiteral("en_US")));
    QTEST(mediumText, "medium");
    QTEST(mediumClock, "mediumClock");
    QTEST(longClock, "longClock");
}

QTEST_GUILESS_MAIN(tst_Common)
#include "tst_common.moc"
