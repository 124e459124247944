#include "calendar/datestyles.h"

#include <QTest>

using namespace nookery;

Q_DECLARE_METATYPE(nookery::DateStyle)

class tst_DateStyles : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void styles_data();
    void styles();
    void choice_data();
    void choice();
};

void tst_DateStyles::styles_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("format");
    QTest::addColumn<DateStyle>("style");
    QTest::addColumn<QString>("text");
    const auto row = [](const char *locale, const char *format, DateStyle style, const char *name,
                        const QString &text) {
        QTest::addRow("%s %s %s", locale, format, name)
            << QString::fromLatin1(locale) << QString::fromLatin1(format) << style << text;
    };
    row("en_US", "mm/dd", DateStyle::ShortFormat, "short format", u"12/08/26"_qs);
    row("en_US", "mm/dd", DateStyle::ShortDate, "short date", u"12/8/26"_qs);
    row("en_US", "mm/dd", DateStyle::MediumDate, "medium", u"08-Dec-26"_qs);
    row("en_US", "mm/dd", DateStyle::LongDate, "long", u"Tuesday, December 8, 2026"_qs);
    row("en_US", "dd/mm", DateStyle::ShortFormat, "short format", u"08/12/26"_qs);
    row("de_DE", "dd/mm", DateStyle::ShortFormat, "short format", u"08.12.26"_qs);
    row("de_DE", "dd/mm", DateStyle::ShortDate, "short date", u"08.12.26"_qs);
    row("de_DE", "dd/mm", DateStyle::MediumDate, "medium", u"08-Dez.-26"_qs);
    row("de_DE", "dd/mm", DateStyle::LongDate, "long", u"Dienstag, 8. Dezember 2026"_qs);
    row("de_DE", "dd/mm", DateStyle::None, "none", QString());
}

void tst_DateStyles::styles()
{
    QFETCH(QString, locale);
    QFETCH(QString, format);
    QFETCH(DateStyle, style);
    QFETCH(QString, text);
    QLocale::setDefault(QLocale(locale));
    QCOMPARE(formatDate(QDate(2026, 12, 8), style, format), text);
}

void tst_DateStyles::choice_data()
{
    QTest::addColumn<QStringList>("keys"); // Short Date, Medium Date, Long Date
    QTest::addColumn<DateStyle>("display");
    QTest::addColumn<DateStyle>("copy");
    QTest::newRow("fresh store") << QStringList{{}, {}, {}} << DateStyle::LongDate
                                 << DateStyle::LongDate;
    QTest::newRow("short") << QStringList{u"yes"_qs, u"yes"_qs, u"yes"_qs} << DateStyle::ShortFormat
                           << DateStyle::ShortDate;
    QTest::newRow("medium") << QStringList{u"no"_qs, u"yes"_qs, u"no"_qs} << DateStyle::MediumDate
                            << DateStyle::MediumDate;
    QTest::newRow("long") << QStringList{u"no"_qs, u"no"_qs, u"yes"_qs} << DateStyle::LongDate
                          << DateStyle::LongDate;
    QTest::newRow("all off") << QStringList{u"no"_qs, u"no"_qs, u"no"_qs} << DateStyle::None
                             << DateStyle::None;
    QTest::newRow("Yes is not yes")
        << QStringList{u"Yes"_qs, {}, u"no"_qs} << DateStyle::None << DateStyle::None;
}

void tst_DateStyles::choice()
{
    QFETCH(QStringList, keys);
    QFETCH(DateStyle, display);
    QFETCH(DateStyle, copy);
    const StyleKeys stored{keys[0], keys[1], keys[2]};
    QCOMPARE(displayStyle(stored), display);
    QCOMPARE(copyStyle(stored), copy);
}

QTEST_GUILESS_MAIN(tst_DateStyles)
#include "tst_datestyles.moc"
