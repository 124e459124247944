#pragma once

#include "settings/optionspage.h"

class QButtonGroup;
class QCheckBox;
class QLabel;
class QRadioButton;

namespace nookery::optionspages {

// Page 2, "Calendar": the calendar's menu entry, copying dates, the date style and the
// day/month order of short dates.
class CalendarPage final : public Page
{
    Q_OBJECT

public:
    CalendarPage(SettingsStore &store, CommonDialog &dialogs, QWidget *parent);

    void load(SettingsBatch &seeds) override;
    void save(SettingsBatch &batch) const override;

    void Option4_GotFocus();
    void Option4_LostFocus();
    void Option5_GotFocus();
    void Option5_LostFocus();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QCheckBox *Check21 = nullptr;
    QCheckBox *Check22 = nullptr;
    QFrame *Frame2a = nullptr;
    QFrame *Frame2b = nullptr;
    QLabel *Label20 = nullptr;
    QLabel *Label21 = nullptr;
    QLabel *Label22 = nullptr;
    QLabel *Label23 = nullptr;
    QRadioButton *Option1 = nullptr;
    QRadioButton *Option2 = nullptr;
    QRadioButton *Option3 = nullptr;
    QRadioButton *Option4 = nullptr;
    QRadioButton *Option5 = nullptr;
    QButtonGroup *m_style = nullptr;
    QButtonGroup *m_order = nullptr;
};

} // namespace nookery::optionspages
