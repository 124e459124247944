#include "settings/countdownpage.h"

#include "settings/settingsstore.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace nookery::optionspages {

CountDownPage::CountDownPage(SettingsStore &store, CommonDialog &dialogs, QWidget *parent)
    : Page(4, store, dialogs, parent)
{
    Check41 = check(QStringLiteral("Check41"),
                    QStringLiteral("start CountDown automatically after &Nookery loads"));
    Check42 = check(QStringLiteral("Check42"),
                    QStringLiteral("remove all Count&Down programs  from the main menu"));
    Check43 = check(QStringLiteral("Check43"),
                    QStringLiteral("Full Screen CountDown larger fonts (1078 x 768 screen display "
                                   "or higher)"));
    m_grid->addWidget(Check41, 0, 0, 1, 3);
    m_grid->addWidget(Check42, 1, 0, 1, 3);
    m_grid->addWidget(Check43, 2, 0, 1, 3);

    // The full-screen alarm's boxes keep Qt's own selection on focus.
    const std::array<const char16_t *, Alarms> messageLabels = {u"Label41", u"Label42", u"Label45"};
    const std::array<const char16_t *, Alarms> soundLabels = {u"Label43", u"Label44", u"Label46"};
    const std::array<const char16_t *, Alarms> names = {u"CountDown 1", u"CountDown 2",
                                                        u"Full Screen"};
    for (int i = 0; i < Alarms; ++i) {
        const QString name = QString::fromUtf16(names[size_t(i)]);
        const int select = i < 2 ? 150 : 0;
        Message[i] = edit(QStringLiteral("Message%1").arg(i + 1),
                          QStringLiteral("type in your own visual message"), select);
        m_grid->addWidget(
            label(QString::fromUtf16(messageLabels[size_t(i)]), name + QStringLiteral(" message")),
            3 + i, 0);
        m_grid->addWidget(Message[i], 3 + i, 1, 1, 2);
    }
    for (int i = 0; i < Alarms; ++i) {
        const QString name = QString::fromUtf16(names[size_t(i)]);
        const int select = i < 2 ? 150 : 0;
        Sound[i] = edit(QStringLiteral("Sound%1").arg(i + 1),
                        QStringLiteral("type in the entire WAV file path"), select);
        butBrowse[i] = browseButton(i + 1);
        m_grid->addWidget(
            label(QString::fromUtf16(soundLabels[size_t(i)]), name + QStringLiteral(" sound")),
            6 + i, 0);
        m_grid->addWidget(Sound[i], 6 + i, 1);
        m_grid->addWidget(butBrowse[i], 6 + i, 2);
        connect(butBrowse[i], &QPushButton::clicked, this, [this, i] { butBrowse_Click(i + 1); });
    }
    m_grid->setColumnStretch(1, 1);
    m_grid->setRowStretch(9, 1);
}

void CountDownPage::load(SettingsBatch &seeds)
{
    Check41->setChecked(m_store.isChecked(keys::CountDownStartup));
    Check42->setChecked(m_store.isChecked(keys::CountDownMenu));
    Check43->setChecked(m_store.isOn(keys::FullScreenLargeFonts));
    for (int i = 0; i < Alarms; ++i) {
        Message[i]->setText(m_store.get(keys::VisualText, i + 1));
        QString sound = m_store.get(keys::Sound, i + 1);
        if (sound.isEmpty()) {
            sound = keys::Sound.fallback.toString();
            seeds.save(keys::Sound, i + 1, sound);
        }
        Sound[i]->setText(sound);
    }
}

void CountDownPage::save(SettingsBatch &batch) const
{
    batch.save(keys::CountDownStartup, value::flag(Check41->isChecked()));
    batch.save(keys::CountDownMenu, value::flag(Check42->isChecked()));
    batch.save(keys::FullScreenLargeFonts,
               Check43->isChecked() ? QStringLiteral("1") : QStringLiteral("0"));
    for (int i = 0; i < Alarms; ++i)
        batch.save(keys::VisualText, i + 1, Message[i]->text());
    for (int i = 0; i < Alarms; ++i)
        batch.save(keys::Sound, i + 1, Sound[i]->text());
}

void CountDownPage::butBrowse_Click(int sound)
{
    const QString chosen = browse(QStringLiteral("Wave files (*.wav)|*.wav"));
    // Cancelling keeps what the box held.
    if (!chosen.isEmpty())
        Sound[sound - 1]->setText(chosen);
}

} // namespace nookery::optionspages
