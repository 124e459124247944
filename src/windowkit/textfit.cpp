#include "windowkit/textfit.h"

#include "windowkit/menus.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>
#include <QTabBar>
#include <QTimer>
#include <algorithm>
#include <cmath>
#include <utility>

namespace nookery::textfit {

namespace {

const char *const MarginProperty = "nookeryFitMargin";

QSize more(QSize need, QSize have)
{
    return {std::max(0, need.width() - have.width()), std::max(0, need.height() - have.height())};
}

constexpr QSize Fits(0, 0);

// A one-line label's glyphs must land inside it where its alignment puts the line; the
// line's leading may stick out, as big digits in a tight box do by design.
QSize labelShortfall(const QLabel *l)
{
    if (l->text().isEmpty() || l->textFormat() == Qt::RichText ||
        (l->textFormat() == Qt::AutoText && Qt::mightBeRichText(l->text())))
        return l->text().isEmpty() ? Fits : more(l->sizeHint(), l->size());
    const QRect room =
        l->contentsRect().adjusted(l->margin(), l->margin(), -l->margin(), -l->margin());
    if (l->wordWrap())
        return more(QSize(0, l->heightForWidth(l->width())), l->size());
    const QFontMetrics fm = l->fontMetrics();
    const QString shown = kit::spokenText(l->text());
    const bool oneLine = !l->text().contains(u'\n');
    const int width = fm.size(Qt::TextShowMnemonic, l->text()).width();
    int height = 0;
    if (oneLine) {
        const QRect ink = fm.tightBoundingRect(shown);
        const Qt::Alignment a = l->alignment();
        const int baseline = a & Qt::AlignTop ? fm.ascent()
                             : a & Qt::AlignBottom
                                 ? room.height() - fm.descent()
                                 : (room.height() - fm.height()) / 2 + fm.ascent();
        const int above = std::max(0, -(baseline + ink.top()));
        const int below = std::max(0, baseline + ink.bottom() + 1 - room.height());
        height =
            room.height() +
            ((a & (Qt::AlignTop | Qt::AlignBottom)) ? above + below : 2 * std::max(above, below));
    } else {
        height = fm.size(Qt::TextShowMnemonic, l->text()).height();
    }
    return more(QSize(width, height), room.size());
}

QSize buttonShortfall(const QAbstractButton *b)
{
    if (b->text().isEmpty())
        return Fits;
    QSize need = b->fontMetrics().size(Qt::TextShowMnemonic, b->text());
    if (!b->icon().isNull()) {
        need.rwidth() += b->iconSize().width() + 4;
        need.setHeight(std::max(need.height(), b->iconSize().height()));
    }
    QStyleOptionButton opt;
    opt.initFrom(b);
    opt.text = b->text();
    opt.icon = b->icon();
    opt.iconSize = b->iconSize();
    QStyle::SubElement element = QStyle::SE_PushButtonContents;
    if (auto *p = qobject_cast<const QPushButton *>(b)) {
        if (p->isDefault())
            opt.features |= QStyleOptionButton::DefaultButton;
        if (p->autoDefault())
            opt.features |= QStyleOptionButton::AutoDefaultButton;
    } else if (qobject_cast<const QCheckBox *>(b)) {
        element = QStyle::SE_CheckBoxContents;
    } else if (qobject_cast<const QRadioButton *>(b)) {
        element = QStyle::SE_RadioButtonContents;
    } else {
        return Fits;
    }
    return more(need, b->style()->subElementRect(element, &opt, b).size());
}

QSize groupBoxShortfall(const QGroupBox *g)
{
    if (g->title().isEmpty())
        return Fits;
    QStyleOptionGroupBox opt;
    opt.initFrom(g);
    opt.text = g->title();
    opt.lineWidth = 1;
    opt.textAlignment = g->alignment();
    opt.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
    if (g->isCheckable())
        opt.subControls |= QStyle::SC_GroupBoxCheckBox;
    // The style sizes the caption to its text; it must end as far from the right edge as
    // it starts from the left.
    const QRect label =
        g->style()->subControlRect(QStyle::CC_GroupBox, &opt, QStyle::SC_GroupBoxLabel, g);
    return more(QSize(label.right() + 1 + label.left(), 0), QSize(g->width(), 0));
}

bool placedByHand(const QWidget *w)
{
    const QWidget *p = w->parentWidget();
    return p && !w->isWindow() && !(p->layout() && p->layout()->indexOf(w) >= 0);
}

// A plain panel: the window, its central area, a frame or a group box, but not the
// insides of a compound control such as a calendar or a list.
bool isPanel(const QWidget *w)
{
    const QMetaObject *m = w->metaObject();
    return w->isWindow() || m == &QWidget::staticMetaObject || m == &QFrame::staticMetaObject ||
           m == &QGroupBox::staticMetaObject;
}

QList<QWidget *> placedChildren(const QWidget *parent)
{
    QList<QWidget *> out;
    for (QWidget *c : parent->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        if (placedByHand(c))
            out << c;
    return out;
}

QSize childrenExtent(const QWidget *parent)
{
    QSize extent(0, 0);
    for (const QWidget *c : placedChildren(parent))
        extent = extent.expandedTo(QSize(c->geometry().right() + 1, c->geometry().bottom() + 1));
    return extent;
}

// The panels holding controls placed by hand, inner ones after outer ones.
void collectPanels(QWidget *w, QList<QWidget *> &out)
{
    if (!placedChildren(w).isEmpty())
        out << w;
    for (QWidget *c : w->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        if (isPanel(c) && !c->isWindow())
            collectPanels(c, out);
}

class Fitter final : public QObject
{
public:
    explicit Fitter(QWidget *window) : QObject(window), m_window(window)
    {
        QList<QWidget *> panels;
        collectPanels(window, panels);
        // The space the design leaves right of and below the controls is kept as they grow.
        for (QWidget *w : std::as_const(panels)) {
            m_panels << w;
            w->setProperty(MarginProperty, w->size() - childrenExtent(w));
            w->installEventFilter(this);
        }
        fit();
    }

    void fit()
    {
        // Each pass only grows, so a few passes settle every knock-on move.
        for (int pass = 0; pass < 8; ++pass) {
            bool grew = false;
            for (QWidget *panel : std::as_const(m_panels)) {
                if (!panel)
                    continue;
                for (QWidget *w : placedChildren(panel)) {
                    if (qobject_cast<QTabBar *>(w))
                        continue;
                    const QSize s = shortfall(w);
                    if (!s.isNull()) {
                        grow(w, s);
                        grew = true;
                    }
                }
            }
            // Inner panels first, so what they grow reaches the outer ones in this pass.
            for (auto it = m_panels.crbegin(); it != m_panels.crend(); ++it)
                grew = (*it && fitPanel(*it)) || grew;
            if (!grew)
                return;
        }
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        // A text that changes asks its parent to lay out again. A running timer does so every
        // second: only the panels that asked are measured, and the window fitted again only
        // when one of their controls now falls short.
        if (event->type() == QEvent::LayoutRequest) {
            if (m_asked.isEmpty())
                QTimer::singleShot(0, this, [this] {
                    const QList<QPointer<QWidget>> asked = std::exchange(m_asked, {});
                    const auto short_ = [](const QPointer<QWidget> &panel) {
                        if (!panel)
                            return false;
                        const QList<QWidget *> children = placedChildren(panel);
                        return std::any_of(children.cbegin(), children.cend(), [](QWidget *w) {
                            return !qobject_cast<QTabBar *>(w) && !shortfall(w).isNull();
                        });
                    };
                    if (std::any_of(asked.cbegin(), asked.cend(), short_))
                        fit();
                });
            if (auto *panel = qobject_cast<QWidget *>(watched); !m_asked.contains(panel))
                m_asked << panel;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    static void grow(QWidget *w, QSize by)
    {
        const QRect old = w->geometry();
        w->resize(old.size() + by);
        for (QWidget *s : placedChildren(w->parentWidget())) {
            if (s == w)
                continue;
            // Panels that take turns in one place (a timer and its alarm) grow together.
            if (s->geometry() == old) {
                s->resize(w->size());
                continue;
            }
            // What stands beside it in its row moves along, and what stands below it in
            // its column; a row further down keeps its place.
            const QRect r = s->geometry();
            QPoint to = s->pos();
            if (by.width() > 0 && r.left() > old.right() && r.top() <= old.bottom() &&
                r.bottom() >= old.top())
                to.rx() += by.width();
            if (by.height() > 0 && r.top() > old.bottom() && r.left() <= old.right() &&
                r.right() >= old.left())
                to.ry() += by.height();
            s->move(to);
        }
    }

    // A panel grows to hold what grew inside it; the window's central area grows the window.
    bool fitPanel(QWidget *panel)
    {
        const QSize margin = panel->property(MarginProperty).toSize().expandedTo(Fits);
        const QSize by = more(childrenExtent(panel) + margin, panel->size());
        if (by.isNull())
            return false;
        if (placedByHand(panel)) {
            grow(panel, by);
            return true;
        }
        const QSize size = m_window->size() + by;
        if (m_window->minimumSize() == m_window->maximumSize())
            m_window->setFixedSize(size);
        else
            m_window->resize(size);
        if (QLayout *l = m_window->layout())
            l->activate();
        return true;
    }

    QWidget *m_window;
    QList<QPointer<QWidget>> m_panels;
    QList<QPointer<QWidget>> m_asked; // panels that asked since the last fitting
};

} // namespace

QSize shortfall(const QWidget *control)
{
    if (auto *l = qobject_cast<const QLabel *>(control))
        return labelShortfall(l);
    if (auto *b = qobject_cast<const QAbstractButton *>(control))
        return buttonShortfall(b);
    if (auto *g = qobject_cast<const QGroupBox *>(control))
        return groupBoxShortfall(g);
    if (auto *t = qobject_cast<const QTabBar *>(control)) {
        const QTabBar::Shape s = t->shape();
        const bool across = s == QTabBar::RoundedNorth || s == QTabBar::RoundedSouth ||
                            s == QTabBar::TriangularNorth || s == QTabBar::TriangularSouth;
        return across ? more(QSize(t->sizeHint().width(), 0), QSize(t->width(), 0)) : Fits;
    }
    return Fits;
}

double contrast(const QColor &a, const QColor &b)
{
    const auto luminance = [](const QColor &c) {
        const auto channel = [](double v) {
            return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) +
               0.0722 * channel(c.blueF());
    };
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor readable(const QColor &colour, const QColor &background)
{
    const QColor towards = background.lightnessF() < 0.5 ? QColor(Qt::white) : QColor(Qt::black);
    QColor c = colour;
    for (int step = 1; step <= 10 && contrast(c, background) < 3; ++step) {
        const double t = step / 10.0;
        c = QColor::fromRgbF(float(colour.redF() + (towards.redF() - colour.redF()) * t),
                             float(colour.greenF() + (towards.greenF() - colour.greenF()) * t),
                             float(colour.blueF() + (towards.blueF() - colour.blueF()) * t));
    }
    return c;
}

int titleWidth(const QWidget *window)
{
    // Title bars set their caption in bold; icon and three buttons take about 120 px.
    QFont bold = window->font();
    bold.setBold(true);
    return QFontMetrics(bold).horizontalAdvance(window->windowTitle()) + 120;
}

void reserveTitle(QWidget *dialog)
{
    if (auto *grid = qobject_cast<QGridLayout *>(dialog->layout()))
        grid->addItem(new QSpacerItem(titleWidth(dialog), 0), grid->rowCount(), 0, 1,
                      std::max(1, grid->columnCount()));
}

void fitWindow(QWidget *window)
{
    if (QLayout *l = window->layout())
        l->activate();
    new Fitter(window);
}

} // namespace nookery::textfit
