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
    QTest::addColumn<QByteArray>("setting"); // NAME=VALUE for the stand-in, or "missing"
    QTest::addColumn<QString>("error");
    QTest::addColumn<int>("calls");
    const QString ntpOn = u"automatic time synchronization is on. Turn it off (timedatectl "
                          u"set-ntp false) and try again."_qs;
    QTest::newRow("set") << QByteArray("NTP=no") << QString() << 2;
    QTest::newRow("synchronised") << QByteArray("NTP=yes") << ntpOn << 1;
    // Only the first line of what timedatectl says, its blank lines skipped.
    QTest::newRow("refused") << QByteArray("REFUSE=Access denied") << u"Access denied"_qs << 2;
    QTest::newRow("no time service")
        << QByteArray("SHOW_FAILS=Failed to connect to bus: No such file")
        << u"Failed to connect to bus: No such file"_qs << 1;
    // polkit's question left open: the request fails on its own and the helper is stopped.
    QTest::newRow("no answer in time") << QByteArray("HANG=1") << u"no answer"_qs << 2;
    QTest::newRow("missing program") << QByteArray("missing") << u"could not be started"_qs << 0;
}

void tst_SystemDate::answers()
{
    QFETCH(QByteArray, setting);
    QFETCH(QString, error);
    QFETCH(int, calls);
    qputenv("NTP", "no");
    if (setting.contains('='))
        qputenv(setting.left(setting.indexOf('=')), setting.mid(setting.indexOf('=') + 1));
    const bool hang = setting.startsWith("HANG");
    DesktopSystemDate date(setting == "missing" ? dir->filePath(u"none"_qs) : program(),
                           hang ? 300 : 120000);
    std::optional<QString> answer;
    date.setDate(QDate(2026, 12, 8), [&answer](const QString &e) { answer = e; });
    QVERIFY(!answer || setting == "missing"); // the answer comes from the event loop
    QTRY_VERIFY(answer.has_value());
    if (hang || setting == "missing")
        QVERIFY2(answer->contains(error), qPrintable(*answer));
    else
        QCOMPARE(*answer, error);
    const QStringList log = this->calls();
    QCOMPARE(log.size(), calls);
    if (calls > 0)
        QCOMPARE(log.value(0), u"show|--property=NTP|--value|"_qs);
    if (calls > 1)
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

QTEST_GUILESS_MAIN(tst_SystemDate)
#include "tst_systemdate.moc"
