#include "settings/stickynotespage.h"

#include "settings/settingsstore.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

namespace nookery::optionspages {

namespace {
// The row numbers of page 1 are Label1(1) .. Label1(5); these go on from there.
constexpr int FirstRowLabel = 6;
} // namespace

StickyNotesPage::StickyNotesPage(SettingsStore &store, CommonDialog &dialogs, QWidget *parent)
    : Page(6, store, dialogs, parent)
{
    Check61 =
        check(QStringLiteral("Check61"), QStringLiteral("remove Sticky &Notes from the main menu"));
    Check62 = check(QStringLiteral("Check62"),
                    QStringLiteral("start automatically after &Nookery loads"));
    m_grid->addWidget(Check61, 0, 0, 1, 4);
    m_grid->addWidget(Check62, 1, 0, 1, 4);
    m_grid->addWidget(label(QStringLiteral("Label60"), QStringLiteral("Tab Names")), 2, 0, 1, 4);
    // Two columns of five keep the dialog at its size.
    for (int i = 0; i < Tabs; ++i) {
        const int n = i + 1;
        Text[i] = edit(QStringLiteral("Text%1").arg(n), QStringLiteral("Tab %1 name").arg(n), 55);
        const int row = 3 + i % 5;
        const int column = (i / 5) * 2;
        m_grid->addWidget(
            label(numbered(QStringLiteral("Label1"), FirstRowLabel + i), QString::number(n)), row,
            column);
        m_grid->addWidget(Text[i], row, column + 1);
    }
    m_grid->setColumnStretch(1, 1);
    m_grid->setColumnStretch(3, 1);
    m_grid->setRowStretch(8, 1);
}

void StickyNotesPage::load(SettingsBatch &)
{
    Check61->setChecked(m_store.isChecked(keys::NotesMenu));
    Check62->setChecked(m_store.isChecked(keys::NotesStartup));
    for (int i = 0; i < Tabs; ++i)
        Text[i]->setText(m_store.get(keys::Page, i + 1));
}

void StickyNotesPage::save(SettingsBatch &batch) const
{
    batch.save(keys::NotesMenu, value::flag(Check61->isChecked()));
    batch.save(keys::NotesStartup, value::flag(Check62->isChecked()));
    for (int i = 0; i < Tabs; ++i)
        batch.save(keys::Page, i + 1, Text[i]->text());
}

} // namespace nookery::optionspages
