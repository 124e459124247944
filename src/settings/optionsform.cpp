#include "settings/optionsform.h"

#include "common/failure.h"
#include "common/suite.h"
#include "common/toolcontext.h"
#include "common/twips.h"
#include "platform/platform.h"
#include "settings/calendarpage.h"
#include "settings/conversionpage.h"
#include "settings/countdownpage.h"
#include "settings/nookerypage.h"
#include "settings/reminderspage.h"
#include "settings/settingsstore.h"
#include "settings/stickynotespage.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QPushButton>
#include <QShortcut>
#include <QStackedWidget>
#include <QTabBar>
#include <QVBoxLayout>

namespace nookery {

namespace {
constexpr int WidthTwips = 7050;
constexpr int HeightTwips = 6210;
} // namespace

optionsform::optionsform(const ToolContext &context, QWidget *parent)
    : QDialog(parent), m_store(context.store), m_platform(context.platform), m_suite(context.suite)
{
    setObjectName(QStringLiteral("optionsform"));
    setWindowTitle(QStringLiteral("Nookery Options"));
    setModal(false);
    setSizeGripEnabled(false);
    buildPages();
    connectHandlers();
    Form_Load();
}

optionsform::~optionsform() = default;

QPushButton *optionsform::button(const QString &name, const QString &caption,
                                 const QString &toolTip)
{
    auto *b = new QPushButton(caption, this);
    b->setObjectName(name);
    b->setToolTip(toolTip);
    // No default button: Enter in a box saves nothing.
    b->setAutoDefault(false);
    b->setDefault(false);
    return b;
}

void optionsform::buildPages()
{
    auto *layout = new QVBoxLayout(this);
    TabStrip1 = new QTabBar(this);
    TabStrip1->setObjectName(QStringLiteral("TabStrip1"));
    TabStrip1->setExpanding(false);
    TabStrip1->setUsesScrollButtons(false);
    for (const char16_t *caption : {u"Nookery", u"Calendar", u"Conversion Tables", u"CountDown",
                                    u"Reminders", u"Sticky Notes"})
        TabStrip1->addTab(QString::fromUtf16(caption));
    layout->addWidget(TabStrip1);

    // Pages are made in tab order, so the keyboard's tab order follows the page, then the
    // buttons.
    m_frames = new QStackedWidget(this);
    CommonDialog &dialogs = m_platform.dialogs();
    using namespace optionspages;
    m_pages = {new NookeryPage(m_store, dialogs, m_frames),
               new CalendarPage(m_store, dialogs, m_frames),
               new ConversionPage(m_store, dialogs, m_frames),
               new CountDownPage(m_store, dialogs, m_frames),
               new RemindersPage(m_store, dialogs, m_frames),
               new StickyNotesPage(m_store, dialogs, m_frames)};
    for (Page *page : std::as_const(m_pages))
        m_frames->addWidget(page);
    layout->addWidget(m_frames, 1);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    butoptionssave = button(QStringLiteral("butoptionssave"), QStringLiteral("&Save"),
                            QStringLiteral("save new settings"));
    butoptionscancel = button(QStringLiteral("butoptionscancel"), QStringLiteral("&Cancel"),
                              QStringLiteral("cancel changes"));
    butoptionshelp = button(QStringLiteral("butoptionshelp"), QStringLiteral("&Help"),
                            QStringLiteral("help using options"));
    buttons->addWidget(butoptionssave);
    buttons->addWidget(butoptionscancel);
    buttons->addWidget(butoptionshelp);
    layout->addLayout(buttons);
}

void optionsform::connectHandlers()
{
    connect(TabStrip1, &QTabBar::currentChanged, this, &optionsform::TabStrip1_Click);
    connect(butoptionssave, &QPushButton::clicked, this, &optionsform::butoptionssave_Click);
    connect(butoptionscancel, &QPushButton::clicked, this, &optionsform::butoptionscancel_Click);
    connect(butoptionshelp, &QPushButton::clicked, this, &optionsform::butoptionshelp_Click);
    const auto shortcut = [this](QKeySequence keys, auto handler) {
        connect(new QShortcut(keys, this), &QShortcut::activated, this, handler);
    };
    shortcut(QKeySequence(Qt::Key_F1), &optionsform::butoptionshelp_Click);
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_Tab), [this] { stepPage(1); });
    shortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab), [this] { stepPage(-1); });
    shortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab), [this] { stepPage(-1); });
}

void optionsform::Form_Load()
{
    // The design size, or more where the fonts need it; never resized by the user.
    setFixedSize(
        QSize(twipsToPixels(WidthTwips), twipsToPixels(HeightTwips)).expandedTo(minimumSizeHint()));
    selectPage(1);
    SettingsBatch seeds;
    for (optionspages::Page *page : std::as_const(m_pages))
        page->load(seeds);
    try {
        m_store.save(seeds);
    } catch (const std::exception &) {
        // The dialog opens all the same: its boxes show the defaults and Save writes them,
        // or says why it cannot.
    }
}

bool optionsform::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate)
        Form_Activate();
    return QDialog::event(event);
}

void optionsform::Form_Activate()
{
    for (optionspages::Page *page : std::as_const(m_pages))
        page->activated();
}

void optionsform::selectPage(int page)
{
    if (page < 1 || page > Pages)
        page = 1;
    TabStrip1->setCurrentIndex(page - 1);
    TabStrip1_Click();
}

void optionsform::stepPage(int by)
{
    TabStrip1->setCurrentIndex((TabStrip1->currentIndex() + by + Pages) % Pages);
}

void optionsform::TabStrip1_Click()
{
    m_frames->setCurrentIndex(TabStrip1->currentIndex());
}

void optionsform::butoptionssave_Click()
{
    SettingsBatch batch;
    for (const optionspages::Page *page : std::as_const(m_pages))
        page->save(batch);
    QList<optionspages::Page *> outside;
    try {
        for (optionspages::Page *page : std::as_const(m_pages)) {
            page->saveOutside();
            outside << page;
        }
        m_store.save(batch);
    } catch (const std::exception &e) {
        // Nothing stays written: the edits remain for another try.
        for (optionspages::Page *page : std::as_const(outside)) {
            try {
                page->revertOutside();
            } catch (const std::exception &) {
                // What could be written a moment ago can be put back; if not, the box
                // below still says the options were not saved.
            }
        }
        m_platform.messages().information(
            suiteTitle(), QStringLiteral("Your options could not be saved; nothing was changed.") +
                              QStringLiteral("\n\n") + QString::fromStdString(e.what()));
        return;
    }
    for (optionspages::Page *page : std::as_const(m_pages))
        page->saved();
    m_suite.optionsSaved();
    close();
}

void optionsform::butoptionscancel_Click()
{
    close();
}

void optionsform::butoptionshelp_Click()
{
    m_suite.showHelpTopic(HelpTopic);
}

} // namespace nookery
