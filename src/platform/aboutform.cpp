#include "platform/aboutform.h"

#include "common/helpcontext.h"
#include "common/suite.h"
#include "common/toolcontext.h"
#include "common/version.h"
#include "platform/platform.h"
#include "platform/trap.h"
#include "windowkit/placement.h"
#include "windowkit/suiteicon.h"
#include "windowkit/textfit.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>

namespace nookery {

aboutform::aboutform(const ToolContext &context, QWidget *parent)
    : QDialog(parent), m_platform(context.platform), m_suite(context.suite)
{
    setObjectName(QStringLiteral("aboutform"));
    setWindowTitle(QStringLiteral("About Nookery"));
    // A fixed box with a close button only; a tool window keeps it out of the task bar.
    setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setModal(false);
    helpcontext::set(this, helpcontext::Contents);

    Image1 = new QToolButton(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setIcon(suiteIcon());
    Image1->setIconSize(QSize(32, 32));
    Image1->setAutoRaise(true);
    Image1->setFocusPolicy(Qt::StrongFocus);
    Image1->setToolTip(QStringLiteral("Update data from an older version"));
    Image1->setAccessibleName(Image1->toolTip());
    Label1a = new QLabel(QStringLiteral("Nookery"), this);
    Label1a->setObjectName(QStringLiteral("Label1a"));
    QFont big = Label1a->font();
    big.setBold(true);
    big.setPointSizeF(big.pointSizeF() * 1.5);
    Label1a->setFont(big);
    Label1b = new QLabel(QStringLiteral("Version ") + SuiteVersion.toString(), this);
    Label1b->setObjectName(QStringLiteral("Label1b"));
    butAboutOKR = new QPushButton(QStringLiteral("&OK"), this);
    butAboutOKR->setObjectName(QStringLiteral("butAboutOKR"));
    butAboutOKR->setDefault(true);
    butAboutHelpR = new QPushButton(QStringLiteral("&Help"), this);
    butAboutHelpR->setObjectName(QStringLiteral("butAboutHelpR"));

    auto *grid = new QGridLayout(this);
    grid->addWidget(Image1, 0, 0, 2, 1, Qt::AlignTop);
    grid->addWidget(Label1a, 0, 1);
    grid->addWidget(Label1b, 1, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(butAboutOKR);
    buttons->addWidget(butAboutHelpR);
    grid->addLayout(buttons, 2, 0, 1, 2);
    grid->setSizeConstraint(QLayout::SetFixedSize);
    textfit::reserveTitle(this);
    setTabOrder(Image1, butAboutOKR);
    setTabOrder(butAboutOKR, butAboutHelpR);

    connect(Image1, &QToolButton::clicked, this, &aboutform::Image1_Click);
    connect(butAboutOKR, &QPushButton::clicked, this, &aboutform::butAboutOKR_Click);
    connect(butAboutHelpR, &QPushButton::clicked, this, &aboutform::butAboutHelpR_Click);
    // Esc closes the box as OK does.
    connect(this, &QDialog::rejected, this, &QWidget::close);
}

void aboutform::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    kit::centreOnScreen(this);
}

bool aboutform::trapped(int handler, const std::function<void()> &body)
{
    return trap(m_platform.messages(), handler, body);
}

void aboutform::Image1_Click()
{
    trapped(701, [this] { m_suite.show(Tool::UpdateOlder); });
}

void aboutform::butAboutOKR_Click()
{
    trapped(702, [this] { close(); });
}

void aboutform::butAboutHelpR_Click()
{
    trapped(704, [this] { m_suite.showHelpTopic(helpcontext::About); });
}

} // namespace nookery
