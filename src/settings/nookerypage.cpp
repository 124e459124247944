#include "settings/nookerypage.h"

#include "settings/settingsstore.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>

namespace nookery::optionspages {

namespace {

// The program chooser shows what can be started on this desktop.
#ifdef Q_OS_WIN
const char16_t *const ProgramFilter = u"Program files (*.exe)|*.exe";
#else
const char16_t *const ProgramFilter = u"Program files (*)|*";
#endif

} // namespace

QString commandLineFor(const QString &path)
{
    const bool plain =
        std::none_of(path.cbegin(), path.cend(), [](QChar c) { return c.isSpace() || c == u'"'; });
    if (plain)
        return path;
    // Inside quotes, three quotes in a row stand for one.
    QString quoted = path;
    quoted.replace(u'"', QStringLiteral("\"\"\""));
    return u'"' + quoted + u'"';
}

NookeryPage::NookeryPage(SettingsStore &store, CommonDialog &dialogs, QWidget *parent)
    : Page(1, store, dialogs, parent)
{
    Check11 = check(QStringLiteral("Check11"),
                    QStringLiteral("Next time, run &Nookery from the system tray"));
    Check12 =
        check(QStringLiteral("Check12"), QStringLiteral("remove Startup &List from the main menu"));
    Check13 = check(QStringLiteral("Check13"), QStringLiteral("Start Nookery when I log in"));
    m_grid->addWidget(Check11, 0, 0, 1, 4);
    m_grid->addWidget(Check12, 1, 0, 1, 4);
    m_grid->addWidget(Check13, 2, 0, 1, 4);
    // The headings wrap rather than widen the page past the dialog's size.
    QLabel *names =
        label(QStringLiteral("Label10"), QStringLiteral("Program's Name  ei. Word Proccessor"));
    QLabel *paths = label(QStringLiteral("Label2"),
                          QStringLiteral("Program's File Path      ei. c:\\windows\\wordpad.exe"));
    names->setWordWrap(true);
    paths->setWordWrap(true);
    m_grid->addWidget(names, 3, 1);
    m_grid->addWidget(paths, 3, 2, 1, 2);
    for (int i = 0; i < Programs; ++i) {
        const int n = i + 1;
        labelprog[i] =
            edit(QStringLiteral("labelprog%1").arg(n), QStringLiteral("program's name"), 55);
        labelpath[i] = edit(QStringLiteral("labelpath%1").arg(n),
                            QStringLiteral("type in the program's entire file path"), 150);
        butBrowse[i] = browseButton(n + 3);
        QLabel *number = label(numbered(QStringLiteral("Label1"), n), QString::number(n));
        number->setBuddy(labelprog[i]);
        // A screen reader says which program's row a box belongs to.
        labelprog[i]->setAccessibleName(QStringLiteral("Program %1 name").arg(n));
        labelpath[i]->setAccessibleName(QStringLiteral("Program %1 file path").arg(n));
        m_grid->addWidget(number, n + 3, 0);
        m_grid->addWidget(labelprog[i], n + 3, 1);
        m_grid->addWidget(labelpath[i], n + 3, 2);
        m_grid->addWidget(butBrowse[i], n + 3, 3);
        connect(butBrowse[i], &QPushButton::clicked, this, [this, n] { butBrowse_Click(n); });
    }
    m_grid->setColumnStretch(1, 2);
    m_grid->setColumnStretch(2, 3);
    m_grid->setRowStretch(Programs + 4, 1);
}

void NookeryPage::load(SettingsBatch &)
{
    Check11->setChecked(m_store.isChecked(keys::RunFromTray));
    Check12->setChecked(m_store.isChecked(keys::StartupMenu));
    Check13->setChecked(m_login.isOn());
    for (int i = 0; i < Programs; ++i) {
        labelprog[i]->setText(m_store.get(keys::ProgramLabel, i + 1));
        labelpath[i]->setText(m_store.get(keys::ProgramPath, i + 1));
    }
}

void NookeryPage::save(SettingsBatch &batch) const
{
    batch.save(keys::RunFromTray, value::flag(Check11->isChecked()));
    batch.save(keys::StartupMenu, value::flag(Check12->isChecked()));
    for (int i = 0; i < Programs; ++i) {
        // A program without a name has no entry, so its path goes too.
        const QString name = labelprog[i]->text();
        batch.save(keys::ProgramLabel, i + 1, name);
        batch.save(keys::ProgramPath, i + 1, name.isEmpty() ? QString() : labelpath[i]->text());
    }
}

void NookeryPage::saveOutside()
{
    m_loginBefore = m_login.entry();
    m_login.set(Check13->isChecked());
}

void NookeryPage::revertOutside()
{
    m_login.restore(m_loginBefore);
}

void NookeryPage::saved()
{
    for (int i = 0; i < Programs; ++i) {
        if (labelprog[i]->text().isEmpty())
            labelpath[i]->clear();
    }
}

void NookeryPage::butBrowse_Click(int program)
{
    const QString chosen = browse(QString::fromUtf16(ProgramFilter));
    // Cancelling keeps what the box held.
    if (!chosen.isEmpty())
        labelpath[program - 1]->setText(commandLineFor(chosen));
}

} // namespace nookery::optionspages
