#include "platform/helpviewer.h"

#include <QApplication>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QScreen>
#include <QSplitter>
#include <QTabWidget>
#include <QTextBrowser>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

namespace nookery {

namespace {

constexpr int TopicRole = Qt::UserRole;

QString caption(const QString &title)
{
    return title.isEmpty() ? QStringLiteral("Nookery Help")
                           : QStringLiteral("Nookery Help - ") + title;
}

// Help files are matched without regard to case: callers spell the name both ways.
bool isOurHelpFile(const QString &name)
{
    return name.compare(QLatin1String("Nookery.hlp"), Qt::CaseInsensitive) == 0;
}

QToolButton *button(const QString &name, const QString &text, QWidget *parent)
{
    auto *b = new QToolButton(parent);
    b->setObjectName(name);
    b->setText(text);
    b->setToolButtonStyle(Qt::ToolButtonTextOnly);
    return b;
}

} // namespace

HelpViewer::HelpViewer(QWidget *parent)
    : QWidget(parent, Qt::Window), m_path(HelpDocument::builtInPath())
{
    setObjectName(QStringLiteral("HelpViewer"));
    setWindowTitle(caption({}));
    setAttribute(Qt::WA_DeleteOnClose, false);

    auto *layout = new QVBoxLayout(this);
    auto *bar = new QHBoxLayout;
    m_backButton = button(QStringLiteral("Back"), QStringLiteral("&Back"), this);
    m_forwardButton = button(QStringLiteral("Forward"), QStringLiteral("&Forward"), this);
    m_contentsButton = button(QStringLiteral("Contents"), QStringLiteral("&Contents"), this);
    bar->addWidget(m_contentsButton);
    bar->addWidget(m_backButton);
    bar->addWidget(m_forwardButton);
    bar->addStretch();
    layout->addLayout(bar);

    m_notice = new QLabel(this);
    m_notice->setObjectName(QStringLiteral("notice"));
    m_notice->setWordWrap(true);
    m_notice->setVisible(false);
    layout->addWidget(m_notice);

    auto *splitter = new QSplitter(this);
    m_tabs = new QTabWidget(splitter);
    m_tabs->setObjectName(QStringLiteral("tabs"));
    m_contents = new QListWidget;
    m_contents->setObjectName(QStringLiteral("contents"));
    m_tabs->addTab(m_contents, QStringLiteral("Contents"));
    auto *searchPage = new QWidget;
    auto *searchLayout = new QVBoxLayout(searchPage);
    m_searchBox = new QLineEdit(searchPage);
    m_searchBox->setObjectName(QStringLiteral("searchBox"));
    m_searchBox->setPlaceholderText(QStringLiteral("Words to find"));
    m_results = new QListWidget(searchPage);
    m_results->setObjectName(QStringLiteral("results"));
    searchLayout->addWidget(m_searchBox);
    searchLayout->addWidget(m_results);
    m_tabs->addTab(searchPage, QStringLiteral("Search"));

    m_browser = new QTextBrowser(splitter);
    m_browser->setObjectName(QStringLiteral("browser"));
    m_browser->setOpenLinks(false);
    splitter->addWidget(m_tabs);
    splitter->addWidget(m_browser);
    splitter->setStretchFactor(1, 3);
    layout->addWidget(splitter, 1);

    connect(m_backButton, &QToolButton::clicked, this, &HelpViewer::goBack);
    connect(m_forwardButton, &QToolButton::clicked, this, &HelpViewer::goForward);
    connect(m_contentsButton, &QToolButton::clicked, this, &HelpViewer::showContents);
    connect(m_browser, &QTextBrowser::anchorClicked, this, &HelpViewer::linkClicked);
    connect(m_searchBox, &QLineEdit::textChanged, this, &HelpViewer::search);
    const auto open = [this](QListWidgetItem *item) {
        if (item)
            showTopic(item->data(TopicRole).toInt());
    };
    connect(m_contents, &QListWidget::itemActivated, this, open);
    connect(m_contents, &QListWidget::itemClicked, this, open);
    connect(m_results, &QListWidget::itemActivated, this, open);
    connect(m_results, &QListWidget::itemClicked, this, open);

    resize(760, 520);
    updateButtons();
}

HelpViewer::~HelpViewer()
{
    if (m_modalOwner)
        m_modalOwner->removeEventFilter(this);
}

QString HelpViewer::notice() const
{
    return m_notice->isVisible() ? m_notice->text() : QString();
}

void HelpViewer::setNotice(const QString &text)
{
    m_notice->setText(text);
    m_notice->setVisible(!text.isEmpty());
}

bool HelpViewer::ensureDocument()
{
    if (!m_document) {
        m_document = HelpDocument::load(m_path);
        fillContents();
    }
    return m_document->isValid();
}

void HelpViewer::fillContents()
{
    m_contents->clear();
    for (const HelpTopic &t : m_document->topics()) {
        auto *item = new QListWidgetItem(t.title, m_contents);
        item->setData(TopicRole, t.number);
    }
}

void HelpViewer::showRequest(const QString &helpFile, int command, int contextNumber)
{
    if (!isOurHelpFile(helpFile)) {
        m_current = 0;
        m_browser->clear();
        setWindowTitle(caption({}));
        setNotice(QStringLiteral("Cannot find the help file %1.").arg(helpFile));
        present();
        return;
    }
    if (!ensureDocument()) {
        m_current = 0;
        m_browser->clear();
        setWindowTitle(caption({}));
        setNotice(QStringLiteral("The help file cannot be read: %1").arg(m_document->error()));
        present();
        return;
    }
    setNotice({});
    if (command == 1 && m_document->topic(contextNumber)) {
        showTopic(contextNumber);
    } else {
        showContents();
        if (command == 1)
            setNotice(QStringLiteral("There is no help topic %1.").arg(contextNumber));
    }
    present();
}

void HelpViewer::showTopic(int number)
{
    if (!ensureDocument() || !m_document->topic(number))
        return;
    setNotice({});
    if (m_current && m_current != number) {
        m_back << m_current;
        m_forward.clear();
    }
    display(number);
}

void HelpViewer::showContents()
{
    m_tabs->setCurrentIndex(0);
    showTopic(ContentsTopic);
}

void HelpViewer::goBack()
{
    if (m_back.isEmpty())
        return;
    m_forward.prepend(m_current);
    display(m_back.takeLast());
}

void HelpViewer::goForward()
{
    if (m_forward.isEmpty())
        return;
    m_back << m_current;
    display(m_forward.takeFirst());
}

void HelpViewer::display(int number)
{
    const HelpTopic *topic = m_document->topic(number);
    if (!topic)
        return;
    m_current = number;
    m_browser->setHtml(topic->html);
    setWindowTitle(caption(topic->title));
    for (int row = 0; row < m_contents->count(); ++row) {
        if (m_contents->item(row)->data(TopicRole).toInt() == number) {
            m_contents->setCurrentRow(row);
            break;
        }
    }
    updateButtons();
}

void HelpViewer::linkClicked(const QUrl &url)
{
    bool ok = false;
    const int number = url.fragment().toInt(&ok);
    if (ok)
        showTopic(number);
}

void HelpViewer::search(const QString &words)
{
    m_results->clear();
    if (!ensureDocument())
        return;
    for (int number : m_document->search(words)) {
        auto *item = new QListWidgetItem(m_document->topic(number)->title, m_results);
        item->setData(TopicRole, number);
    }
}

void HelpViewer::updateButtons()
{
    m_backButton->setEnabled(!m_back.isEmpty());
    m_forwardButton->setEnabled(!m_forward.isEmpty());
}

void HelpViewer::present()
{
    QWidget *modal = QApplication::activeModalWidget();
    if (modal == this || (modal && modal->window() == window()))
        modal = nullptr;
    if (modal != m_modalOwner) {
        if (m_modalOwner)
            m_modalOwner->removeEventFilter(this);
        m_modalOwner = modal;
        const QRect place = geometry();
        setParent(modal, Qt::Window);
        setGeometry(place);
        if (modal)
            modal->installEventFilter(this);
    }
    if (isMinimized())
        showNormal();
    else
        show();
    raise();
    activateWindow();
}

bool HelpViewer::eventFilter(QObject *watched, QEvent *event)
{
    // The dialog that held the viewer is going: the viewer stays, on its own.
    if (watched == m_modalOwner &&
        (event->type() == QEvent::Hide || event->type() == QEvent::Close)) {
        m_modalOwner->removeEventFilter(this);
        m_modalOwner = nullptr;
        const bool wasVisible = isVisible();
        const QRect place = geometry();
        setParent(nullptr, Qt::Window);
        setGeometry(place);
        if (wasVisible)
            show();
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace nookery
