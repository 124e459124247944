#pragma once

#include "settings/optionspage.h"

#include <array>

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace nookery::optionspages {

// Page 4, "CountDown": the timers' menu entries and start, the full-screen size scheme, and
// the message and wave file of each alarm.
class CountDownPage final : public Page
{
    Q_OBJECT

public:
    CountDownPage(SettingsStore &store, CommonDialog &dialogs, QWidget *parent);

    void load(SettingsBatch &seeds) override;
    void save(SettingsBatch &batch) const override;

    void butBrowse_Click(int sound);

private:
    static constexpr int Alarms = 3; // CountDown 1, CountDown 2, full screen

    QCheckBox *Check41 = nullptr;
    QCheckBox *Check42 = nullptr;
    QCheckBox *Check43 = nullptr;
    std::array<QLineEdit *, Alarms> Message{};
    std::array<QLineEdit *, Alarms> Sound{};
    std::array<QPushButton *, Alarms> butBrowse{};
};

} // namespace nookery::optionspages
