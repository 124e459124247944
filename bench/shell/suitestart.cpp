// The suite's real start-up, ended as soon as the event loop is idle: what a user waits for.
#include "shell/suiterun.h"

#include <QApplication>
#include <QDir>
#include <QTimer>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc < 3)
        return 2;
    QDir::setCurrent(QString::fromLocal8Bit(argv[1]));
    nookery::SuiteRun run(QDir::current(), QString::fromLocal8Bit(argv[2]));
    run.start();
    QTimer::singleShot(0, &app, [] { QCoreApplication::exit(0); });
    return QApplication::exec();
}
