#pragma once

#include "platform/systemdate.h"

#include <QProcess>
#include <QTimer>
#include <memory>

namespace nookery {

// Sets the date through systemd's timedatectl, started directly (no shell); the desktop's
// polkit agent asks the user for the right to do it. Nothing waits: the answer comes
// through `done` from the event loop.
class DesktopSystemDate final : public SystemDate
{
public:
    explicit DesktopSystemDate(QString program = QStringLiteral("timedatectl"),
                               int timeoutMs = 120000);
    ~DesktopSystemDate() override;

    // A request while another one waits for its answer is ignored.
    void setDate(const QDate &date, Done done) override;

private:
    void start(const QStringList &arguments);
    void ntpAnswered();
    void setTimeAnswered();
    void finish(const QString &error);
    QString failure() const;

    QString m_program;
    QDate m_date;
    Done m_done;
    std::unique_ptr<QProcess> m_process;
    QTimer m_timeout;
};

} // namespace nookery
