#pragma once

#include "common/toolwindow.h"
#include "windowkit/helpmenu.h"

#include <QDir>
#include <QList>
#include <QMainWindow>
#include <QPointer>
#include <QRectF>
#include <QSet>
#include <QTextCursor>

class QAction;
class QFrame;
class QLabel;
class QMenu;
class QStatusBar;
class QTabBar;
class QTimer;

namespace nookery {

class Clock;
class NoteEdit;
class Platform;
class SettingsStore;
class StatusTriggers;
class Suite;
class ToolBar;
struct ToolContext;
class stickynotesfind;
enum class ParagraphAlign;

// "Sticky Notes": ten notes, one per tab, one file each, edited one at a time in
// RichTextBox1. Only the shown note is in memory; the others are only their files.
class stickynotes final : public QMainWindow, public ToolWindow, public StandardHelp
{
    Q_OBJECT

public:
    explicit stickynotes(const ToolContext &context, QWidget *parent = nullptr);
    ~stickynotes() override;

    // ToolWindow
    void suiteEnding() override;
    void optionsChanged() override;

    // Handlers, named after their control and event.
    void Form_Load();
    void Form_Activate();
    bool TabStrip1_BeforeClick();
    void TabStrip1_Click();
    void RichTextBox1_SelChange();
    void Timer1_Timer();
    void Toolbar1_ButtonClick(QAction *button);
    void Toolbar2_ButtonClick(QAction *button);
    void menusavenow_Click();
    void menucancel_Click();
    void menufind_Click();
    void menuprint_Click();
    void menudate_Click();
    void menufonts_Click();
    void menucolorsfore_Click();
    void menucolorsback_Click();
    void menuoptions_Click();
    void menuclose_Click();
    void menucut_Click();
    void menucopy_Click();
    void menupaste_Click();
    void menutab_Click(int tab);

    // The find position, as the find dialog leaves it.
    QString lblgetpos = QStringLiteral("1");

protected:
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void moveEvent(QMoveEvent *event) override;

private:
    enum CharAttribute { Bold, Italic, Underline };

    void buildMenus();
    void buildToolbars();
    void buildBody();
    void connectHandlers();

    void onTabChanged(int index);
    void applyStoredGeometry();
    void fitFrame();
    void storeGeometry();
    void applyBackColor();
    void readTabNames();
    // Writes the shown note when it changed since it was loaded or saved, or always; throws
    // IoError when the file cannot be written. A note opened read-only is never written.
    void saveShownNote(bool always);
    // Saves as above under a numbered handler; a folder that cannot be made is told in words.
    // Returns whether the note is saved.
    bool saveOrSay(int handler, bool always);
    // On the way out, a note that could not be saved goes to its recovery file.
    void keepUnsaved(const char *why);
    void loadShownNote();
    void setNoteReadOnly(bool readOnly);
    void toggleCharacter(QAction *button, CharAttribute which);
    void alignParagraphs(ParagraphAlign align);
    void toggleBullets();
    void setIndicator(QLabel *panel, bool on);
    void setPanel(int panel, const QString &text);
    void refusePaste();
    void noteMessage(const QString &text);

    SettingsStore &m_store;
    Clock &m_clock;
    Platform &m_platform;
    Suite &m_suite;
    QDir m_startFolder;

    int m_shownTab = 0;          // the tab whose note is in the editor
    QString m_notePath;          // the file it was read from and is saved to
    bool m_noteReadOnly = false; // cut short or unreadable: never saved over
    bool m_frameFitted = false;
    QSize m_wantedFrame;  // the stored outer size, in pixels, until the frame is known
    QRectF m_loadedTwips; // the place and size read at load

    QMenu *menufile = nullptr;
    QAction *menusavenow = nullptr;
    QAction *menucancel = nullptr;
    QAction *menufind = nullptr;
    QAction *menuprint = nullptr;
    QAction *menudate = nullptr;
    QAction *menufonts = nullptr;
    QMenu *menucolors = nullptr;
    QAction *menucolorsfore = nullptr;
    QAction *menucolorsback = nullptr;
    QAction *menuoptions = nullptr;
    QAction *menuclose = nullptr;
    QMenu *menuedit = nullptr;
    QAction *menucut = nullptr;
    QAction *menucopy = nullptr;
    QAction *menupaste = nullptr;
    QMenu *menutabs = nullptr;
    QList<QAction *> menutab; // menutab1 .. menutab10

    ToolBar *Toolbar1 = nullptr;
    ToolBar *Toolbar2 = nullptr;
    QTabBar *TabStrip1 = nullptr;
    NoteEdit *RichTextBox1 = nullptr;
    QStatusBar *StatusBar1 = nullptr;
    QList<QLabel *> Panels; // Panels(1) .. Panels(6)
    QTimer *Timer1 = nullptr;
    StatusTriggers *m_statusTriggers = nullptr;
    QFrame *Line1 = nullptr;
    QPointer<stickynotesfind> m_find;
    QTextCursor m_findSelection; // the selection Find left in the note
    QSet<int> m_unsavedTold;     // tabs whose recovery file was pointed out
};

} // namespace nookery
