#pragma once

#include "platform/loginstart.h"
#include "settings/optionspage.h"

#include <array>

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace nookery::optionspages {

// The command line that starts exactly the program at `path`: as it is, or in quotes when it
// holds blanks or quotes, so that splitting it into arguments gives back the one path.
QString commandLineFor(const QString &path);

// Page 1, "Nookery": tray mode, the start-up list entry, starting at login and the five
// user programs.
class NookeryPage final : public Page
{
    Q_OBJECT

public:
    NookeryPage(SettingsStore &store, CommonDialog &dialogs, QWidget *parent);

    void load(SettingsBatch &seeds) override;
    void save(SettingsBatch &batch) const override;
    void saveOutside() override;
    void revertOutside() override;
    void saved() override;

    void butBrowse_Click(int program);

private:
    static constexpr int Programs = 5;

    QCheckBox *Check11 = nullptr;
    QCheckBox *Check12 = nullptr;
    QCheckBox *Check13 = nullptr; // start at login: the autostart entry, not a store key
    LoginStart m_login;
    std::optional<QByteArray> m_loginBefore;
    std::array<QLineEdit *, Programs> labelprog{};
    std::array<QLineEdit *, Programs> labelpath{};
    std::array<QPushButton *, Programs> butBrowse{}; // butBrowse4 .. butBrowse8
};

} // namespace nookery::optionspages
