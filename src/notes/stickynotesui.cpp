// The controls of the sticky notes window and where their events go.

#include "notes/noteedit.h"
#include "notes/notefiles.h"
#include "notes/statustriggers.h"
#include "notes/stickynotes.h"
#include "platform/platform.h"

#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QStatusBar>
#include <QTabBar>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>

namespace nookery {

namespace {

// The buttons' pictures: a tile with a glyph, drawn rather than loaded.
QIcon glyphIcon(const QString &glyph, QRgb tile, const QFont &style = {})
{
    QPixmap pixmap(24, 24);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(tile));
    p.drawRoundedRect(QRectF(1, 1, 22, 22), 4, 4);
    QFont font = style;
    font.setPixelSize(glyph.size() > 1 ? 10 : 15);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRect(0, 0, 24, 24), Qt::AlignCenter, glyph);
    return QIcon(pixmap);
}

QFont styled(bool bold, bool italic, bool underline)
{
    QFont f;
    f.setBold(bold);
    f.setItalic(italic);
    f.setUnderline(underline);
    return f;
}

struct Button
{
    const char16_t *key;
    const char16_t *tip;
    const char16_t *glyph;
    QRgb tile;
    bool twoState = false;
    QFont style = {};
};

QToolBar *toolbar(QMainWindow *window, const QString &name, const QList<Button> &buttons)
{
    auto *bar = new QToolBar(name, window);
    bar->setObjectName(name);
    bar->setMovable(false);
    bar->setFloatable(false);
    bar->setIconSize(QSize(24, 24));
    for (const Button &b : buttons) {
        if (!b.key) {
            bar->addSeparator();
            continue;
        }
        const QString key = QString::fromUtf16(b.key);
        QAction *a =
            bar->addAction(glyphIcon(QString::fromUtf16(b.glyph), b.tile, b.style), QString());
        a->setObjectName(key);
        a->setData(key);
        a->setToolTip(QString::fromUtf16(b.tip));
        a->setCheckable(b.twoState);
    }
    window->addToolBar(Qt::TopToolBarArea, bar);
    return bar;
}

QString tabNumber(int tab)
{
    return QString::number(tab);
}

} // namespace

QAction *stickynotes::menuAction(QMenu *menu, const char *name, const QString &text,
                                 const QKeySequence &key)
{
    QAction *a = menu->addAction(text);
    a->setObjectName(QLatin1String(name));
    if (!key.isEmpty()) {
        a->setShortcut(key);
        a->setShortcutContext(Qt::WindowShortcut);
    }
    return a;
}

void stickynotes::buildMenus()
{
    const auto menu = [this](const char *name, const QString &text) {
        QMenu *m = menuBar()->addMenu(text);
        m->setObjectName(QLatin1String(name));
        return m;
    };
    menufile = menu("menufile", QStringLiteral("&File"));
    menusavenow = menuAction(menufile, "menusavenow", QStringLiteral("&Save"), Qt::Key_F6);
    menucancel = menuAction(menufile, "menucancel", QStringLiteral("C&ancel"), Qt::Key_F8);
    menufile->addSeparator();
    menufind = menuAction(menufile, "menufind", QStringLiteral("&Find"), Qt::CTRL | Qt::Key_F);
    menuprint = menuAction(menufile, "menuprint", QStringLiteral("&Print"), Qt::CTRL | Qt::Key_P);
    menufile->addSeparator();
    menudate = menuAction(menufile, "menudate", QStringLiteral("&Date And Time Stamp"),
                          Qt::CTRL | Qt::Key_D);
    menufonts = menuAction(menufile, "menufonts", QStringLiteral("Fon&ts"), Qt::CTRL | Qt::Key_T);
    menucolors = menufile->addMenu(QStringLiteral("Chan&ge Colors"));
    menucolors->setObjectName(QStringLiteral("menucolors"));
    menucolorsfore = menuAction(menucolors, "menucolorsfore", QStringLiteral("&Foreground"));
    menucolorsback = menuAction(menucolors, "menucolorsback", QStringLiteral("&Background"));
    menuoptions = menuAction(menufile, "menuoptions", QStringLiteral("&Options"), Qt::Key_F11);
    menufile->addSeparator();
    menuclose = menuAction(menufile, "menuclose", QStringLiteral("&Close And Save Sticky Note"),
                           Qt::Key_F12);

    // The captions name the editor's own keys; the editor handles them.
    menuedit = menu("menuedit", QStringLiteral("&Edit"));
    menucut = menuAction(menuedit, "menucut", QStringLiteral("Cu&t        Ctrl+X"));
    menucopy = menuAction(menuedit, "menucopy", QStringLiteral("&Copy      Ctrl+C"));
    menupaste = menuAction(menuedit, "menupaste", QStringLiteral("&Paste     Ctrl+V"));

    menutabs = menu("menutabs", QStringLiteral("&Tab"));
    for (int i = 1; i <= NoteCount; ++i) {
        QAction *a = menutabs->addAction(tabNumber(i));
        a->setObjectName(QStringLiteral("menutab%1").arg(i));
        menutab.append(a);
    }

    menuhelp = menu("menuhelp", QStringLiteral("&Help"));
    menuhelp1 = menuAction(menuhelp, "menuhelp1", QStringLiteral("&Help Topics"));
    menuhelp2 =
        menuAction(menuhelp, "menuhelp2", QStringLiteral("&Using Sticky Notes"), Qt::Key_F1);
    menuhelp->addSeparator();
    menuhelp3 = menuAction(menuhelp, "menuhelp3", QStringLiteral("&About Nookery"));
}

void stickynotes::buildToolbars()
{
    Toolbar1 =
        toolbar(this, QStringLiteral("Toolbar1"),
                {
                    {u"ToolSave", u"Save Sticky Note Now", u"S", 0x2e7d32},
                    {u"ToolCancel", u"Cancel Changes To This Sticky Note", u"\u21B6", 0x8d6e63},
                    {u"ToolFind", u"Find Text", u"?", 0x1565c0},
                    {u"ToolPrint", u"Print Current Sticky Note", u"P", 0x455a64},
                    {u"ToolCut", u"Cut Selected Text", u"\u2702", 0x6a1b9a},
                    {u"ToolCopy", u"Copy Selected Text", u"C", 0x6a1b9a},
                    {u"ToolPaste", u"Paste Text", u"V", 0x6a1b9a},
                    {u"ToolDate", u"Stamp Date And Time", u"D", 0xef6c00},
                    {u"ToolOptions", u"Set Options", u"O", 0x546e7a},
                    {u"ToolHelp", u"Help Using Sticky Notes", u"H", 0x0277bd},
                    {u"ToolClose", u"Save And Close Sticky Notes", u"X", 0xc62828},
                });
    addToolBarBreak(Qt::TopToolBarArea);
    Toolbar2 = toolbar(
        this, QStringLiteral("Toolbar2"),
        {
            {u"ToolFonts", u"change selected text's font", u"F", 0x37474f},
            {},
            {u"ToolBold", u"toggle bont font", u"B", 0x424242, true, styled(true, false, false)},
            {u"ToolItalic", u"toggle italic font", u"I", 0x424242, true,
             styled(false, true, false)},
            {u"ToolUnderline", u"toggle underliine text", u"U", 0x424242, true,
             styled(false, false, true)},
            {},
            {u"ToolLeft", u"justify text to the left", u"\u2190", 0x00695c, true},
            {u"ToolCenter", u"justify text to the center", u"\u2194", 0x00695c, true},
            {u"ToolRight", u"justify text to the right", u"\u2192", 0x00695c, true},
            {},
            {u"ToolBullet", u"toggle bullet on current line", u"\u2022", 0x00695c, true},
            {u"ToolForeColor", u"change selected text's foreground color", u"A", 0xc62828},
            {u"ToolBackColor", u"change background color", u"\u25A0", 0xf9a825},
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
    on(menuhelp1, &stickynotes::menuhelp1_Click);
    on(menuhelp2, &stickynotes::menuhelp2_Click);
    on(menuhelp3, &stickynotes::menuhelp3_Click);
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
