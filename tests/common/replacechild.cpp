// Replaces one file over and over with two alternating contents, printing a dot after each
// replacement, until it is killed: by tst_recordfile at random moments, or by itself at the
// step NOOKERY_KILL_AT names (see support/killstep.h).
#include "common/recordfile.h"
#include "support/killstep.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc != 4)
        return 2;
    const QString target = QString::fromLocal8Bit(argv[1]);
    const QByteArray contents[2] = {QByteArray(std::atoi(argv[2]), 'a'),
                                    QByteArray(std::atoi(argv[3]), 'b')};
    nookery::test::killAtStepFromEnvironment();
    for (unsigned i = 0;; ++i) {
        nookery::replaceFileAtomically(target, contents[i % 2]);
        std::fputc('.', stdout);
        std::fflush(stdout);
    }
}
