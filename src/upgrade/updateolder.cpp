#include "upgrade/updateolder.h"

#include "common/datepattern.h"
#include "common/failure.h"
#include "common/helpcontext.h"
#include "common/suite.h"
#include "common/toolcontext.h"
#include "platform/platform.h"
#include "settings/settingsstore.h"
#include "upgrade/olderdata.h"
#include "upgrade/rtfnotefiles.h"
#include "windowkit/placement.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace nookery {

namespace {

const QString Title = QStringLiteral("Update Nookery");

QLabel *label(const char *name, const QString &text, QWidget *parent)
{
    auto *l = new QLabel(text, parent);
    l->setObjectName(QLatin1String(name));
    l->setWordWrap(true);
    return l;
}

} // namespace

UpdateOlder::UpdateOlder(const ToolContext &context, QWidget *parent)
    : QDialog(parent), m_store(context.store), m_platform(context.platform), m_suite(context.suite),
      m_startFolder(context.startFolder), m_ownNotes(std::make_unique<RtfNoteFiles>())
{
    m_notes = m_ownNotes.get();
    setObjectName(QStringLiteral("UpdateOlder"));
    setWindowTitle(Title);
    setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setModal(false);
    helpcontext::set(this, helpcontext::UpdateOlder);

    Label2 = label("Label2", QStringLiteral("Important!"), this);
    QFont bold = Label2->font();
    bold.setBold(true);
    Label2->setFont(bold);
    Label1 = label("Label1",
                   QStringLiteral("Users of Version 4.1 or less must update their data.    "
                                  "        Do you want to update your old Reminders and Sticky "
                                  "Notes data now?"),
                   this);
    Label3 = label("Label3",
                   QStringLiteral("Before updating Reminders and Sticky Notes data, you must exit "
                                  "all running versions of Nookery, then copy the file "
                                  "'Reminder.dat' to the new directory. Start Nookery again,. "
                                  "make sure that NONE of the utilities are running, and then "
                                  "click on the 'Yes' button to complete the upgrade."),
                   this);
    Question42 = new QCheckBox(QStringLiteral("&Don't ask this question again!"), this);
    Question42->setObjectName(QStringLiteral("Question42"));
    butYes = new QPushButton(QStringLiteral("&Yes"), this);
    butYes->setObjectName(QStringLiteral("butYes"));
    butNo = new QPushButton(QStringLiteral("&Cancel"), this);
    butNo->setObjectName(QStringLiteral("butNo"));

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(Label2);
    layout->addWidget(Label1);
    layout->addWidget(Label3);
    layout->addWidget(Question42);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(butYes);
    buttons->addWidget(butNo);
    layout->addLayout(buttons);
    for (QLabel *l : {Label1, Label3})
        l->setFixedWidth(420);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(butYes, &QPushButton::clicked, this, &UpdateOlder::butYes_Click);
    connect(butNo, &QPushButton::clicked, this, &UpdateOlder::butNo_Click);
    connect(this, &QDialog::rejected, this, &QWidget::close);
}

UpdateOlder::~UpdateOlder() = default;

QString UpdateOlder::openWindowsText()
{
    return QStringLiteral("Please close the Reminders and Sticky Notes windows, then click Yes "
                          "again.");
}

void UpdateOlder::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    kit::centreOnScreen(this);
}

void UpdateOlder::butYes_Click()
{
    // Either window would write its own copy over what the update makes.
    if (m_suite.isOpen(Tool::Reminders) || m_suite.isOpen(Tool::StickyNotes)) {
        m_platform.messages().information(Title, openWindowsText());
        return;
    }
    const QString path = m_store.get(keys::Path);
    const QString notesFolder = path.isEmpty() ? m_startFolder.absolutePath() : path;
    QStringList oldNotes;
    for (int n = 1; n <= OlderDataUpgrade::NoteCount; ++n)
        oldNotes << m_store.get(keys::OldTab, n);
    OlderDataUpgrade upgrade(
        m_startFolder.absolutePath(), notesFolder, *m_notes,
        DatePatterns::fromSetting(m_store.get(keys::CalendarFormat)).dayFirst());
    const OlderDataUpgrade::Report report = upgrade.run(oldNotes);
    m_platform.messages().information(QStringLiteral("Finished Updating!"),
                                      OlderDataUpgrade::message(report));
    close();
}

void UpdateOlder::butNo_Click()
{
    try {
        if (Question42->isChecked())
            m_store.save(keys::Ask42, value::flag(true));
    } catch (const IoError &e) {
        // The choice could not be kept; say so rather than pretend it was.
        m_platform.messages().information(Title,
                                          QStringLiteral("Your choice could not be saved: %1")
                                              .arg(QString::fromStdString(e.what())));
    }
    close();
}

} // namespace nookery
