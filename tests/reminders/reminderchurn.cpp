// Compacts and saves reminder.dat in a loop until it is killed, printing one dot per
// finished operation, so a test can kill it at any moment and look at what is left;
// NOOKERY_KILL_AT stops it at a step of a write (see support/killstep.h).
#include "common/failure.h"
#include "reminders/reminderfile.h"
#include "support/killstep.h"

#include <QDir>
#include <QRandomGenerator>

#include <cstdio>

using namespace nookery;

int main(int argc, char **argv)
{
    if (argc < 3)
        return 2;
    ReminderFile file{QDir(QString::fromLocal8Bit(argv[1]))};
    QRandomGenerator random(quint32(QByteArray(argv[2]).toUInt()));
    try {
        file.Open(DatePatterns::fromSetting(QString()));
        if (!file.isWritable())
            return 3;
        test::killAtStepFromEnvironment();
        for (int i = 0;; ++i) {
            const int n = 1 + int(random.bounded(quint32(file.Count())));
            switch (random.bounded(4)) {
            case 0:
                file.Remove(n);
                break;
            case 1:
                file.RemovePastOnce(QDate(2026, 12, 8), false);
                break;
            case 2: {
                ReminderRecord r = file.Read(n);
                r.Text = QStringLiteral("edited %1").arg(i);
                file.Write(n, r);
                break;
            }
            default:
                file.Append(ReminderRecord::make(QStringLiteral("new %1").arg(i), 'X', 'W',
                                                 QStringLiteral("12/08/2026")));
            }
            std::fputc('.', stdout);
            std::fflush(stdout);
        }
    } catch (const IoError &e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
}
