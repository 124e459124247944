#include "platform/desktopsystemdate.h"

#include <QDateTime>

namespace nookery {

DesktopSystemDate::DesktopSystemDate(QString program, int timeoutMs) : m_program(std::move(program))
{
    m_timeout.setSingleShot(true);
    m_timeout.setInterval(timeoutMs);
    QObject::connect(&m_timeout, &QTimer::timeout, &m_timeout, [this] {
        finish(QStringLiteral("there was no answer within %1 seconds.")
                   .arg(m_timeout.interval() / 1000.0));
    });
}

DesktopSystemDate::~DesktopSystemDate()
{
    if (m_process) {
        m_process->disconnect();
        m_process->kill();
        m_process->waitForFinished(1000);
    }
}

void DesktopSystemDate::setDate(const QDate &date, Done done)
{
    if (m_done)
        return;
    m_date = date;
    m_done = std::move(done);
    m_timeout.start();
    // With automatic synchronisation on, timedated refuses to set the time; say so plainly.
    start({QStringLiteral("show"), QStringLiteral("--property=NTP"), QStringLiteral("--value")});
}

void DesktopSystemDate::start(const QStringList &arguments)
{
    if (m_process) {
        m_process->disconnect();
        m_process.release()->deleteLater();
    }
    m_process = std::make_unique<QProcess>();
    QProcess *process = m_process.get();
    const bool asksNtp = arguments.first() == u"show";
    QObject::connect(process, &QProcess::finished, process, [this, asksNtp] {
        if (asksNtp)
            ntpAnswered();
        else
            setTimeAnswered();
    });
    QObject::connect(process, &QProcess::errorOccurred, process, [this](QProcess::ProcessError e) {
        if (e == QProcess::FailedToStart)
            finish(m_program + QStringLiteral(" could not be started: ") +
                   m_process->errorString());
    });
    process->start(m_program, arguments, QIODevice::ReadOnly);
}

QString DesktopSystemDate::failure() const
{
    const QString errors = QString::fromLocal8Bit(m_process->readAllStandardError());
    for (const QString &line : errors.split(u'\n')) {
        if (!line.trimmed().isEmpty())
            return line.trimmed();
    }
    if (m_process->exitStatus() == QProcess::CrashExit)
        return m_program + QStringLiteral(" ended abnormally.");
    return m_program + QStringLiteral(" failed with exit code %1.").arg(m_process->exitCode());
}

void DesktopSystemDate::ntpAnswered()
{
    if (m_process->exitStatus() != QProcess::NormalExit || m_process->exitCode() != 0) {
        finish(failure());
        return;
    }
    if (m_process->readAllStandardOutput().trimmed() == "yes") {
        finish(QStringLiteral("automatic time synchronization is on. Turn it off "
                              "(timedatectl set-ntp false) and try again."));
        return;
    }
    // The time of day stays what it is at this moment.
    const QDateTime target(m_date, QTime::currentTime());
    start({QStringLiteral("set-time"), target.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"))});
}

void DesktopSystemDate::setTimeAnswered()
{
    if (m_process->exitStatus() != QProcess::NormalExit || m_process->exitCode() != 0)
        finish(failure());
    else
        finish(QString());
}

void DesktopSystemDate::finish(const QString &error)
{
    if (!m_done)
        return;
    m_timeout.stop();
    if (m_process) {
        m_process->disconnect();
        if (m_process->state() != QProcess::NotRunning)
            m_process->kill();
        // It may be the sender of the signal being handled; it goes once that is over.
        m_process.release()->deleteLater();
    }
    Done done = std::move(m_done);
    m_done = nullptr;
    done(error);
}

} // namespace nookery
