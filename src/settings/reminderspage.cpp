#include "settings/reminderspage.h"

#include "settings/settingsstore.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>

namespace nookery::optionspages {

namespace {

QComboBox *numberList(QWidget *parent, const QString &name, const QString &toolTip, int from,
                      int to, int width)
{
    auto *combo = new QComboBox(parent);
    combo->setObjectName(name);
    combo->setToolTip(toolTip);
    // Only the listed values: a typed "24" or "abc" would reach the reminders window.
    combo->setEditable(false);
    for (int n = from; n <= to; ++n)
        combo->addItem(QStringLiteral("%1").arg(n, width, 10, QLatin1Char('0')));
    return combo;
}

// Shows a stored value when it is one of the list's; anything else leaves the default.
void pick(QComboBox *combo, const QString &stored, const QString &fallback)
{
    const int index = combo->findText(stored, Qt::MatchExactly);
    combo->setCurrentIndex(index >= 0 ? index : combo->findText(fallback, Qt::MatchExactly));
}

} // namespace

RemindersPage::RemindersPage(SettingsStore &store, CommonDialog &dialogs, QWidget *parent)
    : Page(5, store, dialogs, parent)
{
    Check51 =
        check(QStringLiteral("Check51"), QStringLiteral("remove &Reminders from the main menu"));
    Check52 = check(QStringLiteral("Check52"),
                    QStringLiteral("start automatically after &Nookery loads"));
    Check53 =
        check(QStringLiteral("Check53"), QStringLiteral("start automatically only &once/day"));
    Check54 = check(QStringLiteral("Check54"), QStringLiteral("start Reminders always &minimized"));
    Check55 = check(QStringLiteral("Check55"), QStringLiteral("run Reminders &every day at"));
    combohour = numberList(this, QStringLiteral("combohour"), QStringLiteral("hour of daily time"),
                           0, 23, 2);
    combominute = numberList(this, QStringLiteral("combominute"),
                             QStringLiteral("minute of daily time"), 0, 59, 2);
    remindertime = label(QStringLiteral("remindertime"), QString());
    combodays = numberList(this, QStringLiteral("combodays"),
                           QStringLiteral("number of days to be reminded"), 1, 15, 1);
    QLabel *label51 = label(QStringLiteral("Label51"), QStringLiteral("Hour"));
    QLabel *label52 = label(QStringLiteral("Label52"), QStringLiteral("Minute"));
    QLabel *label53 = label(QStringLiteral("label53"),
                            QStringLiteral("Check reminders for number of days in advance"));
    label51->setBuddy(combohour);
    label52->setBuddy(combominute);
    label53->setBuddy(combodays);

    m_grid->addWidget(Check51, 0, 0, 1, 4);
    m_grid->addWidget(Check52, 1, 0, 1, 4);
    m_grid->addWidget(Check53, 2, 0, 1, 4);
    m_grid->addWidget(Check54, 3, 0, 1, 4);
    m_grid->addWidget(Check55, 4, 0, 2, 1);
    m_grid->addWidget(label51, 4, 1);
    m_grid->addWidget(label52, 4, 2);
    m_grid->addWidget(combohour, 5, 1);
    m_grid->addWidget(combominute, 5, 2);
    m_grid->addWidget(remindertime, 5, 3);
    m_grid->addWidget(label53, 6, 0, 1, 2);
    m_grid->addWidget(combodays, 6, 2);
    m_grid->setColumnStretch(3, 1);
    m_grid->setRowStretch(7, 1);

    connect(Check55, &QCheckBox::toggled, this, &RemindersPage::Check55_Click);
    connect(combohour, &QComboBox::currentTextChanged, this, &RemindersPage::combo_Change);
    connect(combominute, &QComboBox::currentTextChanged, this, &RemindersPage::combo_Change);
    connect(combodays, &QComboBox::activated, this, [this] { m_daysEdited = true; });
    Check55_Click();
}

QString RemindersPage::daysChecked(SettingsBatch &seeds) const
{
    QString days = m_store.get(keys::DaysChecked);
    if (days.isEmpty()) {
        days = keys::DaysChecked.fallback.toString();
        seeds.save(keys::DaysChecked, days);
    }
    return days;
}

void RemindersPage::load(SettingsBatch &seeds)
{
    Check51->setChecked(m_store.isChecked(keys::RemindersMenu));
    Check52->setChecked(m_store.isChecked(keys::RemindersStartup));
    Check53->setChecked(m_store.isChecked(keys::StartOnce));
    Check54->setChecked(m_store.isChecked(keys::Minimize));
    Check55->setChecked(m_store.isChecked(keys::CheckTime));
    Check55_Click();

    pick(combohour, m_store.get(keys::Hour), QStringLiteral("00"));
    pick(combominute, m_store.get(keys::Minute), QStringLiteral("00"));
    // The stored time as it is, until a combo changes.
    const QString time = m_store.get(keys::Time);
    if (!time.isEmpty())
        remindertime->setText(time);
    else
        combo_Change();
    pick(combodays, daysChecked(seeds), keys::DaysChecked.fallback.toString());
    m_daysEdited = false;
}

void RemindersPage::save(SettingsBatch &batch) const
{
    batch.save(keys::RemindersMenu, value::flag(Check51->isChecked()));
    batch.save(keys::RemindersStartup, value::flag(Check52->isChecked()));
    batch.save(keys::StartOnce, value::flag(Check53->isChecked()));
    batch.save(keys::Minimize, value::flag(Check54->isChecked()));
    // Without the daily check the last time set is kept for next time.
    batch.save(keys::CheckTime, value::flag(Check55->isChecked()));
    if (Check55->isChecked()) {
        batch.save(keys::Time, remindertime->text());
        batch.save(keys::Hour, combohour->currentText());
        batch.save(keys::Minute, combominute->currentText());
    }
    batch.save(keys::DaysChecked, combodays->currentText());
}

void RemindersPage::activated()
{
    // The reminders window may have changed the days meanwhile; a pick of the user's here
    // is not overridden.
    if (m_daysEdited)
        return;
    SettingsBatch seeds;
    const QString days = daysChecked(seeds);
    try {
        m_store.save(seeds);
    } catch (const std::exception &) {
        // Shown all the same; a save writes it.
    }
    pick(combodays, days, keys::DaysChecked.fallback.toString());
}

void RemindersPage::Check55_Click()
{
    combohour->setEnabled(Check55->isChecked());
    combominute->setEnabled(Check55->isChecked());
}

void RemindersPage::combo_Change()
{
    remindertime->setText(combohour->currentText() + u':' + combominute->currentText());
}

} // namespace nookery::optionspages
