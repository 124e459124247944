// The controls of the sticky notes window and where their events go.

#include "notes/noteedit.h"
#include "notes/notefiles.h"
#include "notes/noteformat.h"
#include "notes/statustriggers.h"
#include "notes/stickynotes.h"
#include "platform/platform.h"
#include "windowkit/menus.h"
#include "windowkit/toolbar.h"

#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QTabBar>
#include <QTimer>
#include <QVBoxLayout>

namespace nookery {

namespace {

QString tabNumber(int tab)
{
    return QString::number(tab);
}

} // namespace

void stickynotes::buildMenus()
{
    using kit::addEntry;
    const auto menu = [this](const char *name, const QString &text) {
        return kit::addMenu(menuBar(), name, text);
    };
    menufile = menu("menufile", QStringLiteral("&File"));
    menusavenow = addEntry(menufile, "menusavenow", QStringLiteral("&Save"), Qt::Key_F6);
    menucancel = addEntry(menufile, "menucancel", QStringLiteral("C&ancel"), Qt::Key_F8);
    menufile->addSeparator();
    menufind = addEntry(menufile, "menufind", QStringLiteral("&Find"), Qt::CTRL | Qt::Key_F);
    menuprint = addEntry(menufile, "menuprint", QStringLiteral("&Print"), Qt::CTRL | Qt::Key_P);
    menufile->addSeparator();
    menudate = addEntry(menufile, "menudate", QStringLiteral("&Date And Time Stamp"),
                        Qt::CTRL | Qt::Key_D);
    menufonts = addEntry(menufile, "menufonts", QStringLiteral("Fon&ts"), Qt::CTRL | Qt::Key_T);
    menucolors = kit::addSubMenu(menufile, "menucolors", QStringLiteral("Chan&ge Colors"));
    menucolorsfore = addEntry(menucolors, "menucolorsfore", QStringLiteral("&Foreground"));
    menucolorsback = addEntry(menucolors, "menucolorsback", QStringLiteral("&Background"));
    menuoptions = addEntry(menufile, "menuoptions", QStringLiteral("&Options"), Qt::Key_F11);
    menufile->addSeparator();
    menuclose =
        addEntry(menufile, "menuclose", QStringLiteral("&Close And Save Sticky Note"), Qt::Key_F12);

    // The captions name the editor's own keys; the editor handles them.
    menuedit = menu("menuedit", QStringLiteral("&Edit"));
    menucut = addEntry(menuedit, "menucut", QStringLiteral("Cu&t        Ctrl+X"));
    menucopy = addEntry(menuedit, "menucopy", QStringLiteral("&Copy      Ctrl+C"));
    menupaste = addEntry(menuedit, "menupaste", QStringLiteral("&Paste     Ctrl+V"));

    menutabs = menu("menutabs", QStringLiteral("&Tab"));
    for (int i = 1; i <= NoteCount; ++i) {
        QAction *a = menutabs->addAction(tabNumber(i));
        a->setObjectName(QStringLiteral("menutab%1").arg(i));
        menutab.append(a);
    }

    addHelpMenu(this, {u"&Help Topics", u"&Using Sticky Notes", Qt::Key_F1, nullptr});
}

void stickynotes::buildToolbars()
{
    using S = stickynotes;
    Toolbar1 = new ToolBar(
        this, "Toolbar1",
        {
            {u"ToolSave", "document-save", u"Save Sticky Note Now",
             call(this, &S::menusavenow_Click)},
            {u"ToolCancel", "document-revert", u"Cancel Changes To This Sticky Note",
             call(this, &S::menucancel_Click)},
            {u"ToolFind", "edit-find", u"Find Text", call(this, &S::menufind_Click)},
            {u"ToolPrint", "document-print", u"Print Current Sticky Note",
             call(this, &S::menuprint_Click)},
            {u"ToolCut", "edit-cut", u"Cut Selected Text", call(this, &S::menucut_Click)},
            {u"ToolCopy", "edit-copy", u"Copy Selected Text", call(this, &S::menucopy_Click)},
            {u"ToolPaste", "edit-paste", u"Paste Text", call(this, &S::menupaste_Click)},
            {u"ToolDate", "knotes_date", u"Stamp Date And Time", call(this, &S::menudate_Click)},
            {u"ToolOptions", "configure", u"Set Options", call(this, &S::menuoptions_Click)},
            {u"ToolHelp", "help-contents", u"Help Using Sticky Notes",
             call(this, &S::menuhelp2_Click)},
            {u"ToolClose", "window-close", u"Save And Close Sticky Notes",
             call(this, &S::menuclose_Click)},
        });
    addToolBarBreak(Qt::TopToolBarArea);
    const auto align = [this](ParagraphAlign how) {
        return [this, how](QAction *) { alignParagraphs(how); };
    };
    const auto toggle = [this](CharAttribute style) {
        return [this, style](QAction *button) { toggleCharacter(button, style); };
    };
    Toolbar2 = new ToolBar(
        this, "Toolbar2",
        {
            {u"ToolFonts", "preferences-desktop-font", u"change selected text's font",
             call(this, &S::menufonts_Click)},
            {},
            {u"ToolBold", "format-text-bold", u"toggle bont font", toggle(Bold), true},
            {u"ToolItalic", "format-text-italic", u"toggle italic font", toggle(Italic), true},
            {u"ToolUnderline", "format-text-underline", u"toggle underliine text",
             toggle(Underline), true},
            {},
            {u"ToolLeft", "format-justify-left", u"justify text to the left",
             align(ParagraphAlign::Left), true},
            {u"ToolCenter", "format-justify-center", u"justify text to the center",
             align(ParagraphAlign::Center), true},
            {u"ToolRight", "format-justify-right", u"justify text to the right",
             align(ParagraphAlign::Right), true},
            {},
            {u"ToolBullet", "format-list-unordered", u"toggle bullet on current line",
             call(this, &S::toggleBullets), true},
            {u"ToolForeColor", "format-text-color", u"change selected text's foreground color",
             call(this, &S::menucolorsfore_Click)},
            {u"ToolBackColor", "format-fill-color", u"change background color",
             call(this, &S::menucolorsback_Click)},
        });
}

void stickynotes::buildBody()
{
    auto *central = new QWidget(this);
    auto *layout = new QVBoxLayout(central);
    layout->setContentsMargins(3, 0, 3, 3);
    layout->setSpacing(0);
    Line1 = new QFrame(central);
    Line1->setObjectName(QStringLiteral("Line1"));
    Line1->setFrameShape(QFrame::HLine);
    Line1->setFrameShadow(QFrame::Sunken);
    TabStrip1 = new QTabBar(central);
    TabStrip1->setObjectName(QStringLiteral("TabStrip1"));
    TabStrip1->setExpanding(false);
    TabStrip1->setUsesScrollButtons(true);
    TabStrip1->setDrawBase(false);
    for (int i = 1; i <= NoteCount; ++i)
        TabStrip1->addTab(tabNumber(i));
    RichTextBox1 = new NoteEdit(central);
    RichTextBox1->setObjectName(QStringLiteral("RichTextBox1"));
    RichTextBox1->setAccessibleName(QStringLiteral("Sticky note"));
    RichTextBox1->document()->setDefaultFont(QFont(QStringLiteral("Times New Roman"), 12));
    layout->addWidget(Line1);
    layout->addSpacing(2);
    layout->addWidget(TabStrip1);
    layout->addWidget(RichTextBox1, 1);
    setCentralWidget(central);

    StatusBar1 = new QStatusBar(this);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar1->setSizeGripEnabled(true);
    const QStringList texts = {
        QString(), QString(), QStringLiteral("NUM"), QStringLiteral("CAPS"), QStringLiteral("INS"),
        QString()};
    for (int i = 1; i <= 6; ++i) {
        auto *panel = new QLabel(texts.at(i - 1), StatusBar1);
        panel->setObjectName(QStringLiteral("Panels(%1)").arg(i));
        panel->setFrameShape(QFrame::Panel);
        panel->setFrameShadow(QFrame::Sunken);
        panel->setMinimumWidth(i == 1 ? 120 : 36);
        StatusBar1->addWidget(panel, i == 1 ? 1 : 0);
        Panels.append(panel);
    }
    // Off until the first refresh says otherwise.
    for (int i = 2; i <= 4; ++i)
        Panels[i]->setEnabled(false);
    setStatusBar(StatusBar1);

    // The date panel's timer: aimed at the date's next change, not repeating.
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
}

void stickynotes::connectHandlers()
{
    const auto on = [this](QAction *a, void (stickynotes::*handler)()) {
        connect(a, &QAction::triggered, this, handler);
    };
    on(menusavenow, &stickynotes::menusavenow_Click);
    on(menucancel, &stickynotes::menucancel_Click);
    on(menufind, &stickynotes::menufind_Click);
    on(menuprint, &stickynotes::menuprint_Click);
    on(menudate, &stickynotes::menudate_Click);
    on(menufonts, &stickynotes::menufonts_Click);
    on(menucolorsfore, &stickynotes::menucolorsfore_Click);
    on(menucolorsback, &stickynotes::menucolorsback_Click);
    on(menuoptions, &stickynotes::menuoptions_Click);
    on(menuclose, &stickynotes::menuclose_Click);
    on(menucut, &stickynotes::menucut_Click);
    on(menucopy, &stickynotes::menucopy_Click);
    on(menupaste, &stickynotes::menupaste_Click);
    for (int i = 0; i < menutab.size(); ++i)
        connect(menutab[i], &QAction::triggered, this, [this, i] { menutab_Click(i + 1); });
    connect(Toolbar1, &QToolBar::actionTriggered, this, &stickynotes::Toolbar1_ButtonClick);
    connect(Toolbar2, &QToolBar::actionTriggered, this, &stickynotes::Toolbar2_ButtonClick);
    connect(TabStrip1, &QTabBar::currentChanged, this, &stickynotes::onTabChanged);
    connect(RichTextBox1, &QTextEdit::cursorPositionChanged, this,
            &stickynotes::RichTextBox1_SelChange);
    connect(RichTextBox1, &QTextEdit::selectionChanged, this, &stickynotes::RichTextBox1_SelChange);
    connect(RichTextBox1, &NoteEdit::focusEntered, this, &stickynotes::RichTextBox1_SelChange);
    connect(RichTextBox1, &NoteEdit::overwriteToggled, this, &stickynotes::Timer1_Timer);
    connect(RichTextBox1, &NoteEdit::pasteRefused, this, &stickynotes::refusePaste);
    connect(Timer1, &QTimer::timeout, this, &stickynotes::Timer1_Timer);
    m_statusTriggers =
        new StatusTriggers(this, RichTextBox1, Timer1, m_platform.keyStates(), m_clock);
    connect(m_statusTriggers, &StatusTriggers::refreshNeeded, this, &stickynotes::Timer1_Timer);
}

} // namespace nookery
