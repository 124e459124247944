#include "settings/optionspage.h"

#include "platform/commondialog.h"
#include "settings/settingsstore.h"

#include <QCheckBox>
#include <QFocusEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTimer>

#include <algorithm>

namespace nookery::optionspages {

Page::Page(int number, SettingsStore &store, CommonDialog &dialogs, QWidget *parent)
    : QFrame(parent), m_store(store), m_grid(new QGridLayout(this)), m_dialogs(dialogs)
{
    setObjectName(QStringLiteral("Frame%1").arg(number));
}

QString Page::numbered(const QString &name, int index)
{
    return name + u'(' + QString::number(index) + u')';
}

QCheckBox *Page::check(const QString &name, const QString &caption)
{
    auto *box = new QCheckBox(caption, this);
    box->setObjectName(name);
    return box;
}

QLabel *Page::label(const QString &name, const QString &text)
{
    auto *l = new QLabel(text, this);
    l->setObjectName(name);
    return l;
}

QLineEdit *Page::edit(const QString &name, const QString &toolTip, int selectOnFocus)
{
    auto *box = new QLineEdit(this);
    box->setObjectName(name);
    box->setToolTip(toolTip);
    if (selectOnFocus > 0) {
        m_selectOnFocus.insert(box, selectOnFocus);
        box->installEventFilter(this);
    }
    return box;
}

QPushButton *Page::browseButton(int n)
{
    auto *button = new QPushButton(QStringLiteral("..."), this);
    button->setObjectName(QStringLiteral("butBrowse%1").arg(n));
    // Enter never presses a button of the dialog: there is no default button.
    button->setAutoDefault(false);
    button->setFixedWidth(button->fontMetrics().horizontalAdvance(u"...."_qs) + 16);
    return button;
}

QString Page::browse(const QString &filter)
{
    m_dialogs.InitDir = m_store.get(keys::Path);
    OpenRequest request;
    request.title = QStringLiteral("Open");
    request.filter = filter;
    request.fileName = QString();
    return m_dialogs.ShowOpen(request);
}

bool Page::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusIn && m_selectOnFocus.contains(watched)) {
        auto *box = static_cast<QLineEdit *>(watched);
        const int count = m_selectOnFocus.value(watched);
        // The caret at the start, so a long text shows its beginning.
        const auto select = [box, count] {
            const int n = std::min<int>(count, box->text().size());
            box->setSelection(n, -n);
        };
        select();
        // A mouse press moves the caret right after the focus arrives; select once it has.
        if (static_cast<QFocusEvent *>(event)->reason() == Qt::MouseFocusReason) {
            QPointer<QLineEdit> guard(box);
            QTimer::singleShot(0, box, [guard, select] {
                if (guard && guard->hasFocus())
                    select();
            });
        }
    }
    return QFrame::eventFilter(watched, event);
}

} // namespace nookery::optionspages
