#pragma once

#include "settings/optionspage.h"

class QCheckBox;
class QComboBox;
class QLabel;

namespace nookery::optionspages {

// Page 5, "Reminders": its menu entry, how it opens after the suite starts, the daily time
// it opens at and how many days ahead it looks.
class RemindersPage final : public Page
{
    Q_OBJECT

public:
    RemindersPage(SettingsStore &store, CommonDialog &dialogs, QWidget *parent);

    void load(SettingsBatch &seeds) override;
    void save(SettingsBatch &batch) const override;
    void activated() override;

    void Check55_Click();
    void combo_Change();

private:
    // "Days Checked", or its default when empty (then also to be stored).
    QString daysChecked(SettingsBatch &seeds) const;

    QCheckBox *Check51 = nullptr;
    QCheckBox *Check52 = nullptr;
    QCheckBox *Check53 = nullptr;
    QCheckBox *Check54 = nullptr;
    QCheckBox *Check55 = nullptr;
    QComboBox *combohour = nullptr;
    QComboBox *combominute = nullptr;
    QComboBox *combodays = nullptr;
    QLabel *remindertime = nullptr;
    // The user picked a number of days since the page loaded.
    bool m_daysEdited = false;
};

} // namespace nookery::optionspages
