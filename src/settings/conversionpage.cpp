#include "settings/conversionpage.h"

#include "settings/settingsstore.h"

#include <QCheckBox>
#include <QGridLayout>

namespace nookery::optionspages {

ConversionPage::ConversionPage(SettingsStore &store, CommonDialog &dialogs, QWidget *parent)
    : Page(3, store, dialogs, parent)
{
    Check31 = check(QStringLiteral("Check31"),
                    QStringLiteral("remove Conversion &Tables from the main menu"));
    Check32 = check(QStringLiteral("Check32"),
                    QStringLiteral("start automatically after &Nookery loads"));
    m_grid->addWidget(Check31, 0, 0);
    m_grid->addWidget(Check32, 1, 0);
    m_grid->setRowStretch(2, 1);
}

void ConversionPage::load(SettingsBatch &)
{
    Check31->setChecked(m_store.isChecked(keys::ConvertMenu));
    Check32->setChecked(m_store.isChecked(keys::ConvertStartup));
}

void ConversionPage::save(SettingsBatch &batch) const
{
    batch.save(keys::ConvertMenu, value::flag(Check31->isChecked()));
    batch.save(keys::ConvertStartup, value::flag(Check32->isChecked()));
}

} // namespace nookery::optionspages
