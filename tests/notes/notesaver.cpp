// Saves two versions of note 1 in turn through the notes window's Save, for ever, so that a
// test can kill it at any moment. notesaver FOLDER: the versions are FOLDER/a.rtf and the
// same with an "X" typed at its start; prints "saved" after each save. The edit between saves
// is small, so most of the time goes to saving. NOOKERY_KILL_AT stops it at a step of a save
// (see support/killstep.h).

#include "common/toolcontext.h"
#include "notes/rtfreader.h"
#include "notes/stickynotes.h"
#include "settings/settingsstore.h"
#include "support/fakeclock.h"
#include "support/fakeplatform.h"
#include "support/fakesuite.h"
#include "support/killstep.h"

#include <QAction>
#include <QApplication>
#include <QTextCursor>
#include <QTextEdit>

#include <cstdio>

using namespace nookery;

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    if (argc != 2)
        return 2;
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    SettingsStore store(folder.filePath(QStringLiteral("cfg/Nookery.ini")));
    store.save(keys::Path, folder.path());
    test::FakeClock clock;
    test::FakePlatform platform;
    test::FakeSuite suite;
    stickynotes window(ToolContext{store, clock, platform, suite, folder});
    auto *editor = window.findChild<QTextEdit *>(QStringLiteral("RichTextBox1"));
    auto *save = window.findChild<QAction *>(QStringLiteral("menusavenow"));
    (void)readRtfFile(folder.filePath(QStringLiteral("a.rtf")), editor->document());
    test::killAtStepFromEnvironment();
    for (bool x = true;; x = !x) {
        QTextCursor start(editor->document());
        if (x)
            start.insertText(QStringLiteral("X"));
        else
            start.deleteChar();
        save->trigger();
        std::puts("saved");
        std::fflush(stdout);
    }
}
