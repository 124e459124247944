// New, Edit, Save, Cancel, Delete and Delete Old of the reminders window.
#include "reminders/reminder.h"

#include "platform/platform.h"

#include <QCalendarWidget>
#include <QComboBox>
#include <QLineEdit>

namespace nookery {

namespace {

const QString &questionTitle()
{
    static const QString t = QStringLiteral("Delete a Reminder");
    return t;
}

// A hidden label's one-letter code.
char codeOf(const QString &label, char fallback)
{
    return label.isEmpty() ? fallback : char(label.at(0).toLatin1());
}

constexpr char FrequencyCodes[] = {'O', 'W', 'M', 'Y'}; // typelist order

} // namespace

void reminder::enterEditing()
{
    m_editing = true;
    updateCommands();
}

void reminder::leaveEditing()
{
    m_editing = false;
    LabelAddOrEdit.clear();
    // Back to the view that was shown, with the record just saved or kept selected.
    rebuild(true);
}

void reminder::menuadd_Click()
{
    trapped(510, [this] {
        if (m_editing)
            return;
        const QDate now = today();
        // The placeholder is dated month first whatever the setting, as it always was.
        m_file.Append(ReminderRecord::make(QString(), 'X', 'O',
                                           formatDatePattern(now, QStringLiteral("mm/dd/yyyy"))));
        LabelAddOrEdit = QStringLiteral("add");
        Calendar1->setSelectedDate(now);
        LabelDate = formatDatePattern(now, QStringLiteral("mm/dd/yyyy"));
        LoadCurrent();
        enterEditing();
        typelist->setCurrentIndex(0);
        yearlist->setCurrentIndex(0);
        txtreminder->setFocus(Qt::OtherFocusReason);
    });
}

void reminder::menuedit_Click()
{
    trapped(515, [this] {
        if (m_editing || !menuedit->isEnabled())
            return;
        LabelAddOrEdit = QStringLiteral("edit");
        enterEditing();
        txtreminder->setText(txtreminder->text().trimmed());
        yearlist->setCurrentIndex(LabelShowYears == u"A" ? 1 : 0);
        const QByteArray code = LabelFrequency.toLatin1();
        for (int i = 0; i < 4; ++i) {
            if (code.size() == 1 && code.at(0) == FrequencyCodes[i])
                typelist->setCurrentIndex(i);
        }
        // A date nothing can read opens on today rather than failing the command.
        Calendar1->setSelectedDate(
            readReminderDate(LabelDate, m_patterns.dayFirst()).value_or(today()));
        txtreminder->setFocus(Qt::OtherFocusReason);
    });
}

bool reminder::StoreCurrent()
{
    return trapped(501, [this] {
        const int n = m_file.current();
        // Read first, so the bytes nothing here knows about stay as they were.
        ReminderRecord r = m_file.Read(n);
        const ReminderRecord typed = ReminderRecord::make(
            txtreminder->text(), codeOf(LabelShowYears, 'X'), codeOf(LabelFrequency, 'O'),
            formatDatePattern(Calendar1->selectedDate(), m_patterns.longDate));
        r.Text = typed.Text;
        r.ShowYears = typed.ShowYears;
        r.Frequency = typed.Frequency;
        r.Date = typed.Date;
        m_file.Write(n, r);
    });
}

void reminder::menusave_Click()
{
    trapped(521, [this] {
        if (!m_editing)
            return;
        LabelFrequency =
            QString(QLatin1Char(FrequencyCodes[qBound(0, typelist->currentIndex(), 3)]));
        LabelShowYears =
            yearlist->currentText() == u"Yes" ? QStringLiteral("A") : QStringLiteral("X");
        // A failed write keeps the panel open with what was typed.
        if (!StoreCurrent())
            return;
        leaveEditing();
    });
}

void reminder::menucancel_Click()
{
    trapped(511, [this] {
        if (!m_editing)
            return;
        if (LabelAddOrEdit == u"add")
            m_file.Remove(m_file.current());
        else if (m_file.current() > m_file.Count())
            m_file.setCurrent(m_file.Count());
        LoadCurrent();
        leaveEditing();
    });
}

void reminder::menudelete_Click()
{
    trapped(513, [this] {
        if (m_editing || !menudelete->isEnabled())
            return;
        // The record is the one selected now, whatever happens while the question is up.
        const int n = m_file.current();
        if (!m_platform.messages().question(
                questionTitle(), QStringLiteral("Do you want to delete the highlighted reminder?")))
            return;
        m_file.Remove(n);
        LoadCurrent();
        rebuild(true);
    });
}

void reminder::menudeleteold_Click()
{
    trapped(514, [this] {
        if (m_editing || !menudeleteold->isEnabled())
            return;
        if (!m_platform.messages().question(
                questionTitle(), QStringLiteral("Do you want to delete old one-time reminders?")))
            return;
        m_file.RemovePastOnce(today(), m_patterns.dayFirst());
        LoadCurrent();
        rebuild(true);
    });
}

} // namespace nookery
