#include "platform/desktopprograms.h"

#include <QDir>
#include <QProcess>
#include <QStandardPaths>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace nookery {

bool DesktopPrograms::startCommandLine(const QString &commandLine)
{
    // Split like a command line but never hand it to a shell: "; rm -rf ~" in a stored path
    // stays an argument of the named program.
    QStringList args = QProcess::splitCommand(commandLine);
    if (args.isEmpty() || args.first().trimmed().isEmpty())
        return false;
    const QString program = args.takeFirst();
    return QProcess::startDetached(program, args, QDir::currentPath());
}

QStringList DesktopPrograms::calculatorCandidates()
{
#ifdef Q_OS_WIN
    return {QStringLiteral("calc.exe")};
#else
    return {QStringLiteral("gnome-calculator"), QStringLiteral("kcalc"),
            QStringLiteral("galculator"), QStringLiteral("qalculate-gtk"), QStringLiteral("xcalc")};
#endif
}

bool DesktopPrograms::startCalculator()
{
    for (const QString &name : calculatorCandidates()) {
        const QString path = QStandardPaths::findExecutable(name);
        if (!path.isEmpty())
            return QProcess::startDetached(path, {}, QDir::currentPath());
    }
    return false;
}

bool DesktopPrograms::startScreenSaver()
{
#ifdef Q_OS_WIN
    // The system command that starts the screen saver at once.
    DefWindowProcW(GetDesktopWindow(), WM_SYSCOMMAND, SC_SCREENSAVE, 0);
    return true;
#else
    const QString saver = QStandardPaths::findExecutable(QStringLiteral("xdg-screensaver"));
    if (!saver.isEmpty() && QProcess::startDetached(saver, {QStringLiteral("activate")}))
        return true;
    const QString loginctl = QStandardPaths::findExecutable(QStringLiteral("loginctl"));
    return !loginctl.isEmpty() &&
           QProcess::startDetached(loginctl, {QStringLiteral("lock-session")});
#endif
}

} // namespace nookery
