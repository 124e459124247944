#include "settings/calendarpage.h"

#include "settings/settingsstore.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

namespace nookery::optionspages {

namespace {

QRadioButton *option(QWidget *parent, const QString &name, const QString &caption)
{
    auto *button = new QRadioButton(caption, parent);
    button->setObjectName(name);
    return button;
}

QFrame *subFrame(QWidget *parent, const QString &name)
{
    auto *frame = new QFrame(parent);
    frame->setObjectName(name);
    frame->setFrameShape(QFrame::StyledPanel);
    return frame;
}

// The hints share one place on the page; a hidden one keeps its room so nothing moves
// when they swap.
QLabel *hint(QWidget *parent, const QString &name, const QString &text)
{
    auto *l = new QLabel(text, parent);
    l->setObjectName(name);
    l->setWordWrap(true);
    QSizePolicy policy = l->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    l->setSizePolicy(policy);
    return l;
}

} // namespace

CalendarPage::CalendarPage(SettingsStore &store, CommonDialog &dialogs, QWidget *parent)
    : Page(2, store, dialogs, parent)
{
    Check21 =
        check(QStringLiteral("Check21"), QStringLiteral("&remove Calendar from the main menu"));
    Check22 = check(QStringLiteral("Check22"), QStringLiteral("co&py the date to the clipboard"));

    Frame2a = subFrame(this, QStringLiteral("Frame2a"));
    Label20 = hint(Frame2a, QStringLiteral("Label20"),
                   QStringLiteral("When copying a date to the clipboard, use the date format "
                                  "below..."));
    Option1 = option(Frame2a, QStringLiteral("Option1"), QStringLiteral("shor&t - 09/28/98"));
    Option2 = option(Frame2a, QStringLiteral("Option2"), QStringLiteral("medi&um - 28-Sep-98"));
    Option3 = option(Frame2a, QStringLiteral("Option3"),
                     QStringLiteral("&long - Friday, September 28, 1998"));
    auto *styles = new QVBoxLayout(Frame2a);
    for (QWidget *w : {static_cast<QWidget *>(Label20), static_cast<QWidget *>(Option1),
                       static_cast<QWidget *>(Option2), static_cast<QWidget *>(Option3)})
        styles->addWidget(w);
    m_style = new QButtonGroup(this);
    m_style->addButton(Option1, 1);
    m_style->addButton(Option2, 2);
    m_style->addButton(Option3, 3);

    Frame2b = subFrame(this, QStringLiteral("Frame2b"));
    Label21 = hint(Frame2b, QStringLiteral("Label21"),
                   QStringLiteral("When using the short date format, use the day and month "
                                  "format below..."));
    Label22 = hint(Frame2b, QStringLiteral("Label22"),
                   QStringLiteral("To view by this format, you must have the Short Date Style in "
                                  "Regional Settings set to mm/dd/yy!"));
    Label23 = hint(Frame2b, QStringLiteral("Label23"),
                   QStringLiteral("To view by this format, you must have the Short Date Style in "
                                  "Regional Settings set to dd/mm/yy!"));
    Label22->hide();
    Label23->hide();
    Option4 = option(Frame2b, QStringLiteral("Option4"), QStringLiteral("&mm/dd/yy"));
    Option4->setToolTip(QStringLiteral("North American short date format"));
    Option5 = option(Frame2b, QStringLiteral("Option5"), QStringLiteral("&dd/mm/yy"));
    Option5->setToolTip(QStringLiteral("International short date format"));
    auto *order = new QGridLayout(Frame2b);
    order->addWidget(Label21, 0, 0);
    order->addWidget(Label22, 0, 0);
    order->addWidget(Label23, 0, 0);
    order->addWidget(Option4, 1, 0);
    order->addWidget(Option5, 2, 0);
    m_order = new QButtonGroup(this);
    m_order->addButton(Option4, 4);
    m_order->addButton(Option5, 5);
    Option4->installEventFilter(this);
    Option5->installEventFilter(this);

    m_grid->addWidget(Check21, 0, 0);
    m_grid->addWidget(Check22, 1, 0);
    m_grid->addWidget(Frame2a, 2, 0);
    m_grid->addWidget(Frame2b, 3, 0);
    m_grid->setRowStretch(4, 1);
}

void CalendarPage::load(SettingsBatch &seeds)
{
    Check21->setChecked(m_store.isChecked(keys::CalendarMenu));
    Check22->setChecked(m_store.isYes(keys::CopyDate));

    // The first of short, medium and long that says "yes" is the style. None at all means
    // long, and the store is told so; a long style turned off on purpose leaves none chosen.
    if (m_store.isYes(keys::ShortDate)) {
        Option1->setChecked(true);
    } else if (m_store.isYes(keys::MediumDate)) {
        Option2->setChecked(true);
    } else if (m_store.isYes(keys::LongDate)) {
        Option3->setChecked(true);
        if (m_store.get(keys::LongDate).isEmpty()) {
            seeds.save(keys::ShortDate, value::yesNo(false));
            seeds.save(keys::MediumDate, value::yesNo(false));
            seeds.save(keys::LongDate, value::yesNo(true));
        }
    }

    if (m_store.get(keys::CalendarFormat) == value::DayFirst)
        Option5->setChecked(true);
    else
        Option4->setChecked(true);
}

void CalendarPage::save(SettingsBatch &batch) const
{
    batch.save(keys::CalendarMenu, value::flag(Check21->isChecked()));
    batch.save(keys::CopyDate, value::yesNo(Check22->isChecked()));
    // Always exactly one style; with none picked, long, as a reader of the store assumes.
    const int style = m_style->checkedId() > 0 ? m_style->checkedId() : 3;
    batch.save(keys::ShortDate, value::yesNo(style == 1));
    batch.save(keys::MediumDate, value::yesNo(style == 2));
    batch.save(keys::LongDate, value::yesNo(style == 3));
    batch.save(keys::CalendarFormat,
               (Option4->isChecked() ? value::MonthFirst : value::DayFirst).toString());
}

bool CalendarPage::eventFilter(QObject *watched, QEvent *event)
{
    const bool in = event->type() == QEvent::FocusIn;
    if (in || event->type() == QEvent::FocusOut) {
        if (watched == Option4)
            in ? Option4_GotFocus() : Option4_LostFocus();
        else if (watched == Option5)
            in ? Option5_GotFocus() : Option5_LostFocus();
    }
    return Page::eventFilter(watched, event);
}

void CalendarPage::Option4_GotFocus()
{
    Label22->show();
    Label21->hide();
}

void CalendarPage::Option4_LostFocus()
{
    Label22->hide();
    Label21->show();
}

void CalendarPage::Option5_GotFocus()
{
    Label23->show();
    Label21->hide();
}

void CalendarPage::Option5_LostFocus()
{
    Label23->hide();
    Label21->show();
}

} // namespace nookery::optionspages
