#include "notes/stickynotes.h"

#include "common/clock.h"
#include "common/datepattern.h"
#include "common/failure.h"
#include "common/helpcontext.h"
#include "common/suite.h"
#include "common/toolcontext.h"
#include "common/twips.h"
#include "notes/datestamp.h"
#include "notes/noteedit.h"
#include "notes/notefiles.h"
#include "notes/noteformat.h"
#include "notes/rtfreader.h"
#include "notes/rtfwriter.h"
#include "notes/statustriggers.h"
#include "notes/stickynotesfind.h"
#include "platform/platform.h"
#include "platform/trap.h"
#include "settings/settingsstore.h"
#include "windowkit/textfit.h"
#include "windowkit/toolbar.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPrinter>
#include <QScreen>
#include <QSignalBlocker>
#include <QTabBar>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QTimer>

#include <cmath>

namespace nookery {

namespace {

constexpr int HelpTopic = helpcontext::StickyNotes;
constexpr int OptionsPage = 6;
constexpr double DefaultHeight = 5200, DefaultWidth = 7600, DefaultTop = 1320, DefaultLeft = 1500;
constexpr int MinWidthTwips = 6600, MinHeightTwips = 3400;
const int MinWidth = twipsToPixels(MinWidthTwips);
const int MinHeight = twipsToPixels(MinHeightTwips);

QString caption(const QString &tab)
{
    return QStringLiteral("Sticky Notes - ") + tab;
}

// "&3  Work"; the tenth takes its key from the 0: "1&0  Home".
QString tabMenuCaption(int tab, const QString &name)
{
    const QString prefix = tab < 10 ? u'&' + QString::number(tab) : QStringLiteral("1&0");
    return prefix + QStringLiteral("  ") + name;
}

// A note that could not be written because its folder could not be made; the text names the
// folder and the reason, for the user.
class FolderError : public IoError
{
public:
    using IoError::IoError;
};

bool isNormal(const QWidget *w)
{
    return !(w->windowState() & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen));
}

} // namespace

stickynotes::stickynotes(const ToolContext &context, QWidget *parent)
    : QMainWindow(parent), StandardHelp(context.suite, HelpTopic), m_store(context.store),
      m_clock(context.clock), m_platform(context.platform), m_suite(context.suite),
      m_startFolder(context.startFolder)
{
    setObjectName(QStringLiteral("stickynotes"));
    setWindowTitle(QStringLiteral("Sticky Notes"));
    buildMenus();
    buildToolbars();
    buildBody();
    setMinimumSize(MinWidth, MinHeight);
    connectHandlers();
    Form_Load();
    Timer1_Timer();
}

stickynotes::~stickynotes() = default;

// ---- loading, activation, closing --------------------------------------------------------

void stickynotes::Form_Load()
{
    trap(m_platform.messages(), 501, [&] {
        applyStoredGeometry();
        const QString page1 = m_store.get(keys::Page, 1);
        setWindowTitle(caption(page1.isEmpty() ? QStringLiteral("Tab 1") : page1));
        applyBackColor();
        m_shownTab = 0;
        loadShownNote();
        setWindowTitle(caption(page1.isEmpty() ? QStringLiteral("1") : page1));
        RichTextBox1_SelChange();
    });
}

void stickynotes::Form_Activate()
{
    readTabNames();
    RichTextBox1->setFocus();
}

void stickynotes::readTabNames()
{
    for (int i = 1; i <= NoteCount; ++i) {
        const QString name = m_store.get(keys::Page, i);
        if (name.isEmpty())
            continue;
        TabStrip1->setTabText(i - 1, name);
        menutab[i - 1]->setText(tabMenuCaption(i, name));
    }
}

void stickynotes::optionsChanged()
{
    readTabNames();
}

void stickynotes::changeEvent(QEvent *event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        Form_Activate();
}

void stickynotes::closeEvent(QCloseEvent *event)
{
    // A note that could not be written keeps the window open, edits and all, unless the user
    // chooses to close without it.
    if (!saveOrSay(506, false)) {
        if (!m_platform.messages().question(
                suiteTitle(), QStringLiteral("The note could not be saved. Close Sticky Notes "
                                             "without saving it?"))) {
            event->ignore();
            return;
        }
        RichTextBox1->document()->setModified(false);
    }
    if (isNormal(this))
        trap(m_platform.messages(), 506, [&] { storeGeometry(); });
    event->accept();
}

void stickynotes::suiteEnding()
{
    // A font, colour or print dialog may be up, owned by a handler further down the stack;
    // the window is deleted next and must not take that dialog with it.
    const QList<QDialog *> dialogs = findChildren<QDialog *>(Qt::FindDirectChildrenOnly);
    for (QDialog *dialog : dialogs) {
        if (dialog != m_find)
            dialog->setParent(nullptr);
    }
    // Nobody is there to read a box on the way out (logout waits for none).
    try {
        saveShownNote(false);
    } catch (const std::exception &e) {
        keepUnsaved(e.what());
    }
    try {
        if (isNormal(this))
            storeGeometry();
    } catch (const std::exception &e) {
        qWarning("Sticky Notes: the window's place was not stored: %s", e.what());
    }
}

// ---- geometry and colour -----------------------------------------------------------------

void stickynotes::applyStoredGeometry()
{
    const auto twips = [&](const Key &key, double fallback) {
        bool ok = false;
        const double v = m_store.get(key).toDouble(&ok);
        // Far past any screen is as good as no number.
        return ok && std::isfinite(v) && std::abs(v) < 1e7 ? v : fallback;
    };
    m_loadedTwips =
        QRectF(twips(keys::NotesLeft, DefaultLeft), twips(keys::NotesTop, DefaultTop),
               twips(keys::NotesWidth, DefaultWidth), twips(keys::NotesHeight, DefaultHeight));
    QRect frame(twipsToPixels(m_loadedTwips.left()), twipsToPixels(m_loadedTwips.top()),
                std::max(MinWidth, twipsToPixels(m_loadedTwips.width())),
                std::max(MinHeight, twipsToPixels(m_loadedTwips.height())));
    bool reachable = false;
    for (const QScreen *screen : QGuiApplication::screens())
        reachable = reachable || screen->availableGeometry().intersects(frame);
    if (!reachable && !QGuiApplication::screens().isEmpty()) {
        // Out of every screen's reach the window could never be moved back.
        m_loadedTwips.moveTo(DefaultLeft, DefaultTop);
        frame.moveTo(twipsToPixels(DefaultLeft), twipsToPixels(DefaultTop));
    }
    m_wantedFrame = frame.size();
    move(frame.topLeft());
    resize(frame.size() - (frameGeometry().size() - size()));
}

void stickynotes::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    QTimer::singleShot(0, this, &stickynotes::fitFrame);
}

void stickynotes::moveEvent(QMoveEvent *event)
{
    QMainWindow::moveEvent(event);
    fitFrame();
}

void stickynotes::fitFrame()
{
    // The stored size is the outer frame's, which the window system tells only once the
    // window is up: until then the client took the whole size.
    if (m_frameFitted || !isVisible() || !isNormal(this))
        return;
    const QSize margins = frameGeometry().size() - size();
    if (margins.isNull())
        return;
    m_frameFitted = true;
    setMinimumSize(MinWidth - margins.width(), MinHeight - margins.height());
    if (size() == m_wantedFrame)
        resize(m_wantedFrame - margins);
}

void stickynotes::storeGeometry()
{
    const QRect frame = frameGeometry();
    // A value that still gives the stored pixels is written back as it was read, so opening
    // and closing never moves the numbers.
    const auto value = [](int pixels, double loaded) {
        return QString::number(twipsToPixels(loaded) == pixels ? loaded : pixelsToTwips(pixels));
    };
    m_store.save(keys::NotesHeight, value(frame.height(), m_loadedTwips.height()));
    m_store.save(keys::NotesWidth, value(frame.width(), m_loadedTwips.width()));
    m_store.save(keys::NotesTop, value(frame.top(), m_loadedTwips.top()));
    m_store.save(keys::NotesLeft, value(frame.left(), m_loadedTwips.left()));
}

void stickynotes::applyBackColor()
{
    bool ok = false;
    const qlonglong v = m_store.get(keys::BackColor).toLongLong(&ok);
    if (!ok || v < 0 || v > 0xFFFFFF)
        return;
    const QColor back(int(v & 0xFF), int((v >> 8) & 0xFF), int(v >> 16));
    // Text of the automatic colour stays readable on it, whatever the desktop's palette.
    QPalette palette = RichTextBox1->palette();
    palette.setColor(QPalette::Base, back);
    palette.setColor(QPalette::Text,
                     textfit::readable(QApplication::palette().color(QPalette::Text), back));
    RichTextBox1->setPalette(palette);
}

// ---- the notes and their files -----------------------------------------------------------

void stickynotes::noteMessage(const QString &text)
{
    m_platform.messages().information(suiteTitle(), text);
}

bool stickynotes::saveOrSay(int handler, bool always)
{
    QString folderProblem;
    const bool saved = trap(m_platform.messages(), handler, [&] {
        try {
            saveShownNote(always);
        } catch (const FolderError &e) {
            folderProblem = QString::fromStdString(e.what());
        }
    });
    if (!folderProblem.isEmpty())
        noteMessage(folderProblem);
    return saved && folderProblem.isEmpty();
}

void stickynotes::keepUnsaved(const char *why)
{
    const QString path = unsavedNotePath(m_startFolder, m_shownTab + 1);
    const RtfWriteResult kept = writeRtfFile(path, *RichTextBox1->document());
    const QByteArray reason = QString::fromUtf8(why).simplified().toUtf8();
    why = reason.constData();
    if (kept.ok) {
        qWarning("Sticky Notes: the note was not saved (%s); its text is in %s", why,
                 qPrintable(QDir::toNativeSeparators(path)));
    } else {
        qWarning("Sticky Notes: the note was not saved (%s), nor kept in %s: %s", why,
                 qPrintable(QDir::toNativeSeparators(path)), qPrintable(kept.error));
    }
}

void stickynotes::loadShownNote()
{
    const QDir folder = notesFolder(m_store.get(keys::Path), m_startFolder);
    m_notePath = noteFilePath(folder, m_shownTab + 1);
    // Built apart from the editor, which would otherwise follow every insertion, then handed
    // over whole; the editor deletes the note it showed. Nothing of it is left to undo.
    auto *doc = new QTextDocument(RichTextBox1);
    doc->setDefaultFont(RichTextBox1->document()->defaultFont());
    // A paragraph's own direction, not guessed from its text: the guess costs each keystroke a
    // pass over every paragraph after it.
    QTextOption option = doc->defaultTextOption();
    option.setTextDirection(RichTextBox1->layoutDirection());
    doc->setDefaultTextOption(option);
    const RtfReadResult read = readRtfFile(m_notePath, doc);
    const QString file = QDir::toNativeSeparators(m_notePath);
    bool readOnly = false;
    if (read.status == RtfReadResult::Status::Error) {
        // Empty, not the previous tab's text under this tab's name.
        doc->clear();
        doc->setModified(false);
        readOnly = true;
        noteMessage(QStringLiteral("The note %1 could not be read: %2\n\nThe file is left as it "
                                   "is and the note is open read-only.")
                        .arg(file, read.error));
    } else if (read.truncated) {
        readOnly = true;
        noteMessage(QStringLiteral("The note %1 is longer than a note can be; only its beginning "
                                   "is shown.\n\nThe file is left as it is and the note is open "
                                   "read-only.")
                        .arg(file));
    }
    const QPointer<QTextDocument> shown = RichTextBox1->document();
    RichTextBox1->setDocument(doc);
    delete shown; // unless the editor already did, as with the one it started with
    setNoteReadOnly(readOnly);
    RichTextBox1->moveCursor(QTextCursor::Start);
    const QString unsaved = unsavedNotePath(m_startFolder, m_shownTab + 1);
    if (!m_unsavedTold.contains(m_shownTab) && QFileInfo::exists(unsaved)) {
        m_unsavedTold.insert(m_shownTab);
        noteMessage(QStringLiteral("This note could not be saved when Nookery ended. The text it "
                                   "held then is kept in %1; open it in a word processor to "
                                   "take it back, then delete it.")
                        .arg(QDir::toNativeSeparators(unsaved)));
    }
}

void stickynotes::setNoteReadOnly(bool readOnly)
{
    m_noteReadOnly = readOnly;
    RichTextBox1->setReadOnly(readOnly);
    // Everything that would change the note, and Save, which would cut it short on disk.
    for (QAction *a : {menusavenow, menudate, menufonts, menucolorsfore, menucut, menupaste})
        a->setEnabled(!readOnly);
    for (QAction *a : Toolbar1->actions()) {
        const QString key = a->data().toString();
        if (key == u"ToolSave" || key == u"ToolDate" || key == u"ToolCut" || key == u"ToolPaste")
            a->setEnabled(!readOnly);
    }
    for (QAction *a : Toolbar2->actions()) {
        if (!a->isSeparator() && a->data().toString() != u"ToolBackColor")
            a->setEnabled(!readOnly);
    }
}

void stickynotes::saveShownNote(bool always)
{
    if (m_noteReadOnly || m_notePath.isEmpty())
        return;
    QTextDocument *doc = RichTextBox1->document();
    if (!always && !doc->isModified())
        return;
    if (const auto problem = makeFolders(QFileInfo(m_notePath).absolutePath())) {
        throw FolderError(QStringLiteral("The note was not saved: the folder %1 could not be "
                                         "made (%2).\n\nThe note stays in the window. Make the "
                                         "folder, or change \"Path\" in Nookery.ini, and save "
                                         "again.")
                              .arg(problem->folder, problem->reason));
    }
    const RtfWriteResult written = writeRtfFile(m_notePath, *doc);
    if (!written.ok)
        throw IoError(QDir::toNativeSeparators(m_notePath) + QStringLiteral(": ") + written.error);
    doc->setModified(false);
    if (written.bytes > RtfLimits().maxBytes) {
        noteMessage(QStringLiteral("The note %1 was saved, but it is larger than 32 MiB: the next "
                                   "time it is opened, it will be read-only.")
                        .arg(QDir::toNativeSeparators(m_notePath)));
    }
}

void stickynotes::onTabChanged(int index)
{
    if (index == m_shownTab || index < 0)
        return;
    if (!TabStrip1_BeforeClick()) {
        // The old note could not be written: it stays, with its edits.
        const QSignalBlocker block(TabStrip1);
        TabStrip1->setCurrentIndex(m_shownTab);
        return;
    }
    m_shownTab = index;
    TabStrip1_Click();
}

bool stickynotes::TabStrip1_BeforeClick()
{
    if (!saveOrSay(508, false))
        return false;
    lblgetpos = QStringLiteral("1");
    return true;
}

void stickynotes::TabStrip1_Click()
{
    m_platform.dialogs().InitDir = m_store.get(keys::Path);
    m_shownTab = TabStrip1->currentIndex();
    loadShownNote();
    setWindowTitle(caption(TabStrip1->tabText(m_shownTab)));
    RichTextBox1_SelChange();
}

void stickynotes::menutab_Click(int tab)
{
    TabStrip1->setCurrentIndex(tab - 1);
}

void stickynotes::menusavenow_Click()
{
    saveOrSay(506, true);
}

void stickynotes::menucancel_Click()
{
    TabStrip1_Click();
}

void stickynotes::menuclose_Click()
{
    close();
}

// ---- status bar --------------------------------------------------------------------------

void stickynotes::setPanel(int panel, const QString &text)
{
    QLabel *label = Panels[panel - 1];
    if (label->text() != text)
        label->setText(text);
}

void stickynotes::setIndicator(QLabel *panel, bool on)
{
    if (panel->isEnabled() == on)
        return;
    panel->setEnabled(on);
    panel->setFrameShadow(on ? QFrame::Raised : QFrame::Sunken);
}

void stickynotes::Timer1_Timer()
{
    trap(m_platform.messages(), 503, [&] {
        setPanel(6, QStringLiteral("  ") + mediumDate(m_clock.now().date()) + QStringLiteral("  "));
        const KeyStates &keys = m_platform.keyStates();
        setIndicator(Panels[2], keys.numLock());
        setIndicator(Panels[3], keys.capsLock());
        setIndicator(Panels[4], RichTextBox1->overwriteMode());
    });
    m_statusTriggers->aim();
}

// ---- tool bars ---------------------------------------------------------------------------

void stickynotes::Toolbar1_ButtonClick(QAction *button)
{
    // Each command shows its own handler's number where it has one.
    trap(m_platform.messages(), 504, [&] { Toolbar1->run(button); });
}

void stickynotes::Toolbar2_ButtonClick(QAction *button)
{
    trap(m_platform.messages(), 505, [&] { Toolbar2->run(button); });
}

// ---- options and help --------------------------------------------------------------------

void stickynotes::menuoptions_Click()
{
    m_suite.showOptions(OptionsPage);
}

} // namespace nookery
