// What a user waits for in the help and the upgrade: the first help request (document read,
// viewer made, topic shown) and the conversion of a large older reminder file with ten notes.
#include "platform/desktopdialogs.h"
#include "upgrade/olderdata.h"
#include "upgrade/rtfnotefiles.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>

using namespace nookery;

namespace {

QByteArray olderFile(int records)
{
    QByteArray out;
    for (int i = 0; i < records; ++i) {
        QByteArray r(54, ' ');
        const QByteArray text = "Reminder number " + QByteArray::number(i);
        r.replace(0, text.size(), text);
        r[44] = 'X';
        r[45] = "OWMY"[i % 4];
        r.replace(46, 8, "12/25/99");
        out += r;
    }
    return out;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);

    QElapsedTimer clock;
    clock.start();
    DesktopCommonDialog dialog;
    dialog.HelpFile = QStringLiteral("nookery.hlp");
    dialog.ShowHelp(CommonDialog::HelpContext, 240);
    QCoreApplication::processEvents();
    std::printf("first help request, topic shown: %.1f ms\n", clock.nsecsElapsed() / 1e6);

    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("reminder.dat")));
    if (!file.open(QIODevice::WriteOnly) || file.write(olderFile(10000)) < 0)
        return 1;
    file.close();
    QStringList notes;
    for (int n = 1; n <= 10; ++n)
        notes << QStringLiteral("Note %1\nwith a second line").arg(n);
    RtfNoteFiles noteFiles;
    OlderDataUpgrade upgrade(dir.path(), dir.path(), noteFiles);
    clock.restart();
    const OlderDataUpgrade::Report report = upgrade.run(notes);
    std::printf("10,000 older reminders and ten notes converted: %.1f ms (%d reminders)\n",
                clock.nsecsElapsed() / 1e6, report.converted);
    // The same without notes: how much of it is the reminders.
    QTemporaryDir bare;
    QFile second(bare.filePath(QStringLiteral("reminder.dat")));
    if (!second.open(QIODevice::WriteOnly) || second.write(olderFile(10000)) < 0)
        return 1;
    second.close();
    OlderDataUpgrade remindersOnly(bare.path(), bare.path(), noteFiles);
    clock.restart();
    remindersOnly.run({});
    std::printf("the reminders alone: %.1f ms\n", clock.nsecsElapsed() / 1e6);
    return report.everythingConverted() ? 0 : 1;
}
