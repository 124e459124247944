#pragma once

#include "settings/optionspage.h"

#include <array>

class QCheckBox;
class QLineEdit;

namespace nookery::optionspages {

// Page 6, "Sticky Notes": its menu entry, whether it opens after the suite starts, and the
// names of the ten note tabs.
class StickyNotesPage final : public Page
{
    Q_OBJECT

public:
    StickyNotesPage(SettingsStore &store, CommonDialog &dialogs, QWidget *parent);

    void load(SettingsBatch &seeds) override;
    void save(SettingsBatch &batch) const override;

private:
    static constexpr int Tabs = 10;

    QCheckBox *Check61 = nullptr;
    QCheckBox *Check62 = nullptr;
    std::array<QLineEdit *, Tabs> Text{};
};

} // namespace nookery::optionspages
