#include "platform/desktopsystemdate.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <optional>

using namespace nookery;

namespace {

// A stand-in for timedatectl: logs its arguments one call a line, answers "show" with $NTP
// and refuses "set-time" with $REFUSE on its error output.
const char FakeTimedatectl[] = R"(#!/bin/sh
printf '%s|' "$@" >> "$FAKE_LOG"; echo >> "$FAKE_LOG"
case "$1" in
show) [ -n "$SHOW_FAILS" ] && { echo "$SHOW_FAILS" >&2; exit 1; }
      echo "$NTP" ;;
set-time) [ -n "$HANG" ] && exec sleep 30
          [ -n "$REFUSE" ] && { printf '\n%s\nsecond line\n' "$REFUSE" >&2; exit 1; } ;;
esac
exit 0
)";

} // namespace

class tst_SystemDate : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void answers_data();
    void answers();
    void secondRequestMeanwhileIsIgnored();
    void missingProgram();
    void noAnswerInTime();

private:
    QStringList calls() const
    {
        QFile f(dir->filePath(QStringLiteral("log")));
        if (!f.open(QIODevice::ReadOnly))
            return {};
        return QString::fromUtf8(f.readAll()).split(u'\n', Qt::SkipEmptyParts);
    }
    QString program() const { return dir->filePath(QStringLiteral("timedatectl")); }

    std::unique_ptr<QTemporaryDir> dir;
};

void tst_SystemDate::init()
{
    dir = std::make_unique<QTemporaryDir>();
    QFile script(program());
    QVERIFY(script.open(QIODevice::WriteOnly));
    script.write(FakeTimedatectl);
    script.close();
    script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("FAKE_LOG", QFile::encodeName(dir->filePath(QStringLiteral("log"))));
    for (const char *name : {"NTP", "REFUSE", "SHOW_FAILS", "HANG"})
        qunsetenv(name);
}

void tst_SystemDate::answers_data()
{
    QTest::addColumn<QByteArray>("ntp");
    QTest::addColumn<QByteArray>("refuse");
    QTest::addColumn<QByteArray>("showFails");
    QTest::addColumn<QString>("error");
    QTest::addColumn<bool>("setsTime");
    QTest::newRow("set") << QByteArray("no") << QByteArray() << QByteArray() << QString() << true;
    QTest::newRow("synchronised")
        << QByteArray("yes") << QByteArray() << QByteArray()
        << u"automatic time synchronization is on. Turn it off (timedatectl set-ntp false) and "
           u"try again."_qs
        << false;
    QTest::newRow("refused") << QByteArray("no") << QByteArray("Access denied") << QByteArray()
                             << u"Access denied"_qs << true;
    QTest::newRow("no time service")
        << QByteArray() << QByteArray() << QByteArray("Failed to connect to bus: No such file")
        << u"Failed to connect to bus: No such file"_qs << false;
}

void tst_SystemDate::answers()
{
    QFETCH(QByteArray, ntp);
    QFETCH(QByteArray, refuse);
    QFETCH(QByteArray, showFails);
    QFETCH(QString, error);
    QFETCH(bool, setsTime);
    qputenv("NTP", ntp);
    if (!refuse.isEmpty())
        qputenv("REFUSE", refuse);
    if (!showFails.isEmpty())
        qputenv("SHOW_FAILS", showFails);
    DesktopSystemDate date(program());
    std::optional<QString> answer;
    date.setDate(QDate(2026, 12, 8), [&answer](const QString &e) { answer = e; });
    QVERIFY(!answer); // the answer comes from the event loop
    QTRY_VERIFY(answer.has_value());
    QCOMPARE(*answer, error);
    const QStringList log = calls();
    QCOMPARE(log.value(0), u"show|--property=NTP|--value|"_qs);
    QCOMPARE(log.size(), setsTime ? 2 : 1);
    if (setsTime)
        QVERIFY2(QRegularExpression(u"^set-time\\|2026-12-08 \\d\\d:\\d\\d:\\d\\d\\|$"_qs)
                     .match(log.value(1))
                     .hasMatch(),
                 qPrintable(log.value(1)));
}

void tst_SystemDate::secondRequestMeanwhileIsIgnored()
{
    qputenv("NTP", "no");
    DesktopSystemDate date(program());
    QList<QString> answers;
    date.setDate(QDate(2026, 12, 8), [&answers](const QString &e) { answers << e; });
    date.setDate(QDate(2030, 1, 1), [&answers](const QString &e) { answers << e; });
    QTRY_COMPARE(answers.size(), 1);
    QCOMPARE(answers.first(), QString());
    QCOMPARE(calls().size(), 2);
    QVERIFY(calls().value(1).startsWith(u"set-time|2026-12-08 "_qs));
    // Answered, it takes the next request.
    date.setDate(QDate(2030, 1, 1), [&answers](const QString &e) { answers << e; });
    QTRY_COMPARE(answers.size(), 2);
}

void tst_SystemDate::missingProgram()
{
    DesktopSystemDate date(dir->filePath(QStringLiteral("no-such-program")));
    std::optional<QString> answer;
    date.setDate(QDate(2026, 12, 8), [&answer](const QString &e) { answer = e; });
    QTRY_VERIFY(answer.has_value());
    QVERIFY2(answer->contains(u"could not be started"_qs), qPrintable(*answer));
}

void tst_SystemDate::noAnswerInTime()
{
    // polkit's question left open: the request fails on its own and the helper is stopped.
    qputenv("NTP", "no");
    qputenv("HANG", "1");
    DesktopSystemDate date(program(), 300);
    std::optional<QString> answer;
    date.setDate(QDate(2026, 12, 8), [&answer](const QString &e) { answer = e; });
    QTRY_VERIFY(answer.has_value());
    QVERIFY2(answer->contains(u"no answer"_qs), qPrintable(*answer));
}

QTEST_GUILESS_MAIN(tst_SystemDate)
#include "tst_systemdate.moc"
