#pragma once

// The sticky notes window tests, in one executable: tst_stickynotes.cpp holds the window, its
// files and its place, tst_notesedit.cpp the commands on a note. They share a store, a notes
// folder, fake desktop, clock and suite, and small ways to read and write note files.

#include "common/toolcontext.h"
#include "notes/rtfreader.h"
#include "notes/rtfwriter.h"
#include "notes/stickynotes.h"
#include "rtfdump.h"
#include "support/fakeclock.h"
#include "support/fakeplatform.h"
#include "support/fakesuite.h"
#include "support/tempstore.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>

#include <memory>

namespace nookery::test {

struct NoteWindowFixture
{
    std::unique_ptr<TempStore> temp;
    std::unique_ptr<QTemporaryDir> notes;
    std::unique_ptr<FakePlatform> platform;
    FakeSuite suite;
    FakeClock clock;
    std::unique_ptr<stickynotes> window;

    void reset()
    {
        window.reset();
        temp = std::make_unique<TempStore>();
        notes = std::make_unique<QTemporaryDir>();
        platform = std::make_unique<FakePlatform>();
        suite.calls.clear();
        clock.set(QDateTime(QDate(2026, 12, 8), QTime(9, 0, 0)));
        store().save(keys::Path, notes->path());
    }
    SettingsStore &store() { return temp->store(); }
    QString path(int note) const
    {
        return notes->filePath(QStringLiteral("Sticky%1.rtf").arg(note));
    }

    void open()
    {
        window = std::make_unique<stickynotes>(
            ToolContext{store(), clock, *platform, suite, QDir(notes->path())});
    }

    template <typename T> T *control(const QString &name) const
    {
        T *w = window->findChild<T *>(name);
        if (!w)
            qFatal("no control %s", qPrintable(name));
        return w;
    }
    QAction *action(const QString &name) const { return control<QAction>(name); }
    void trigger(const QString &name) const { action(name)->trigger(); }
    QTextEdit *editor() const { return control<QTextEdit>(QStringLiteral("RichTextBox1")); }
    QTabBar *tabs() const { return control<QTabBar>(QStringLiteral("TabStrip1")); }
    QString panel(int i) const
    {
        return control<QLabel>(QStringLiteral("Panels(%1)").arg(i))->text();
    }
    QString text() const { return editor()->toPlainText(); }
    QString shown() const { return dump(*editor()->document()); }
    void type(const QString &s) const { QTest::keyClicks(editor(), s); }
    void select(int from, int to) const
    {
        QTextCursor c = editor()->textCursor();
        c.setPosition(from);
        c.setPosition(to, QTextCursor::KeepAnchor);
        editor()->setTextCursor(c);
    }

    // A note file made from HTML, as another program might have left it.
    void writeNote(int note, const QString &html) const
    {
        QTextDocument doc;
        doc.setDefaultFont(noteFont());
        doc.setHtml(html);
        QVERIFY(writeRtfFile(path(note), doc).ok);
    }
    // Bytes as another program left them, under a name of its choosing.
    void writeBytes(const QString &name, const QByteArray &content) const
    {
        QFile file(notes->filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(content) == content.size());
    }
    QString readNote(int note) const
    {
        QTextDocument doc;
        doc.setDefaultFont(noteFont());
        if (readRtfFile(path(note), &doc).status != RtfReadResult::Status::Ok)
            return QStringLiteral("<unreadable>");
        return dump(doc);
    }
    QByteArray bytes(int note) const
    {
        QFile f(path(note));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }
    // A folder where the note file should be: no save can replace it, whoever runs the test.
    void blockSaving(int note) const { QVERIFY(QDir().mkdir(path(note))); }
    void unblockSaving(int note) const { QVERIFY(QDir().rmdir(path(note))); }
    QStringList messages() const { return platform->messageBoxes.texts(); }
};

} // namespace nookery::test

namespace nookery {
class stickynotesfind;
}

class TestStickyNotes : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    // tst_stickynotes.cpp
    void controls();
    void tabNames();
    void tabChangeCancelAndUndo();
    void onlyChangedNotesAreWritten();
    void missingNoteOpensEmpty();
    void caseVariantIsTheNote();
    void unreadableNotesAreLeftAlone_data();
    void unreadableNotesAreLeftAlone();
    void failedSaveKeepsTheNote();
    void missingNotesFolder_data();
    void missingNotesFolder();
    void quitSavesTheNote();
    void geometry_data();
    void geometry();
    void closeMinimisedKeepsPlace();
    void backColor_data();
    void backColor();
    void datePanelAtMidnight();
    void keyIndicators();

    // tst_notesedit.cpp
    void toolbarState_data();
    void toolbarState();
    void mixedSelectionLeavesButton();
    void fontsAndColours();
    void cancelledDialogsChangeNothing();
    void clipboardIsPlainText();
    void editorKeysKeepFormatting();
    void richPasteKeepsWhatTheFileKeeps();
    void oversizedPasteIsRefused();
    void roundTrip();
    void find_data();
    void find();
    void findNextAndAgain();
    void findNarrowsOnlyToTheUsersSelection();
    void findDialog();
    void stampReplacesSelectionInOneStep();
    void print();

private:
    nookery::stickynotesfind *openFind(const QString &word);

    nookery::test::NoteWindowFixture f;
};
