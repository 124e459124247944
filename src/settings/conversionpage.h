#pragma once

#include "settings/optionspage.h"

class QCheckBox;

namespace nookery::optionspages {

// Page 3, "Conversion Tables": its menu entry and whether it opens after the suite starts.
class ConversionPage final : public Page
{
    Q_OBJECT

public:
    ConversionPage(SettingsStore &store, CommonDialog &dialogs, QWidget *parent);

    void load(SettingsBatch &seeds) override;
    void save(SettingsBatch &batch) const override;

private:
    QCheckBox *Check31 = nullptr;
    QCheckBox *Check32 = nullptr;
};

} // namespace nookery::optionspages
