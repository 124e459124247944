// Every window of the suite, opened through the shell's own table, shows each caption whole
// and readable with the fonts at hand: the test runs at scale 1 and 2 and in three locales
// (see CMakeLists.txt), each time with the desktop's palette and with a dark one.

#include "settings/keys.h"
#include "settings/settingsstore.h"
#include "shell/nookery.h"
#include "shell/toolwindows.h"
#include "support/fakeclock.h"
#include "support/fakeplatform.h"
#include "support/fakesuite.h"
#include "support/tempstore.h"
#include "support/windows.h"
#include "timers/datemoment.h"
#include "windowkit/textfit.h"

#include <QAbstractButton>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTextEdit>
#include <QToolButton>
#include <map>

using namespace nookery;

namespace {

// Light text on near-black, as dark desktop themes paint it.
QPalette darkPalette()
{
    QPalette p(QColor(60, 60, 64), QColor(45, 45, 48)); // button, window
    for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        p.setColor(role, QColor(230, 230, 230));
    p.setColor(QPalette::Base, QColor(30, 30, 32));
    return p;
}

// The contrast of the text in `area` of a rendering: the commonest colour is the
// background, the colour furthest from it the core of the glyphs.
double textContrast(const QImage &image, const QRect &area)
{
    std::map<QRgb, int> counts;
    const QRect r = area.intersected(image.rect());
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            ++counts[image.pixel(x, y) | 0xff000000];
    if (counts.empty())
        return 21;
    const QRgb background = std::max_element(counts.begin(), counts.end(), [](auto &a, auto &b) {
                                return a.second < b.second;
                            })->first;
    double best = 1;
    for (const auto &[colour, n] : counts)
        best = std::max(best, textfit::contrast(QColor(colour), QColor(background)));
    return best;
}

QString describe(const QWidget *w)
{
    QString name = w->objectName();
    for (const QWidget *p = w->parentWidget(); name.isEmpty() && p; p = p->parentWidget())
        if (!p->objectName().isEmpty())
            name = QStringLiteral("in ") + p->objectName();
    return w->window()->objectName() + u' ' + QLatin1String(w->metaObject()->className()) + u' ' +
           name;
}

// The controls a user can see, with the text each shows.
QList<QWidget *> shownControls(QWidget *window)
{
    QList<QWidget *> out;
    for (QWidget *w : window->findChildren<QWidget *>()) {
        if (!w->isVisible() || w->window() != window)
            continue;
        if (qobject_cast<QLabel *>(w) || qobject_cast<QAbstractButton *>(w) ||
            qobject_cast<QGroupBox *>(w) || qobject_cast<QTabBar *>(w) ||
            qobject_cast<QMenuBar *>(w) || qobject_cast<QTextEdit *>(w))
            out << w;
    }
    return out;
}

QString captionOf(QWidget *w)
{
    if (auto *l = qobject_cast<QLabel *>(w))
        return l->text();
    if (auto *b = qobject_cast<QAbstractButton *>(w))
        return b->text();
    if (auto *g = qobject_cast<QGroupBox *>(w))
        return g->title();
    if (auto *t = qobject_cast<QTabBar *>(w)) {
        QStringList tabs;
        for (int i = 0; i < t->count(); ++i)
            tabs << t->tabText(i);
        return tabs.join(u'|');
    }
    return {};
}

// One line per caption that is cut or hard to read, on the window as it is drawn now.
QStringList faults(QWidget *window)
{
    QStringList out;
    const int title = textfit::titleWidth(window);
    if (window->width() < title)
        out << QStringLiteral("%1 title: needs %2 px, has %3")
                   .arg(window->objectName())
                   .arg(title)
                   .arg(window->width());
    const QImage shot = window->grab().toImage();
    const auto contrastIn = [&](const QWidget *w, const QRect &r) {
        const qreal dpr = shot.devicePixelRatio();
        return textContrast(shot, QRect(w->mapTo(window, r.topLeft()) * dpr, r.size() * dpr));
    };
    const auto unreadable = [&](const QWidget *w, const QString &caption, double c) {
        out << QStringLiteral("%1 \"%2\": contrast %3").arg(describe(w), caption).arg(c, 0, 'f', 1);
    };
    for (QWidget *w : shownControls(window)) {
        if (auto *bar = qobject_cast<QMenuBar *>(w)) {
            for (QAction *a : bar->actions()) {
                if (!a->isVisible() || a->isSeparator())
                    continue;
                const double c = contrastIn(bar, bar->actionGeometry(a).adjusted(2, 2, -2, -2));
                if (c < 3)
                    unreadable(bar, a->text(), c);
            }
            continue;
        }
        const QString caption = captionOf(w);
        const QSize more = textfit::shortfall(w);
        if (!more.isNull()) {
            out << QStringLiteral("%1 \"%2\": %3 px too narrow, %4 px too low")
                       .arg(describe(w), caption)
                       .arg(more.width())
                       .arg(more.height());
            continue;
        }
        if (auto *edit = qobject_cast<QTextEdit *>(w)) {
            const QPalette p = edit->palette();
            if (const double c =
                    textfit::contrast(p.color(QPalette::Text), p.color(QPalette::Base));
                c < 3)
                unreadable(edit, QStringLiteral("(text)"), c);
            continue;
        }
        if (!w->isEnabled() || caption.trimmed().isEmpty() || qobject_cast<QToolButton *>(w))
            continue;
        const QRect r = qobject_cast<QGroupBox *>(w)
                            ? QRect(0, 0, w->width(), w->fontMetrics().height())
                            : w->rect();
        if (const double c = contrastIn(w, r); c < 3)
            unreadable(w, caption, c);
    }
    return out;
}

// Every page of every tab widget, in turn.
QStringList faultsOnEveryPage(QWidget *window)
{
    QStringList out = faults(window);
    for (QTabWidget *tabs : window->findChildren<QTabWidget *>()) {
        const int current = tabs->currentIndex();
        for (int i = 0; i < tabs->count(); ++i) {
            if (i == current)
                continue;
            tabs->setCurrentIndex(i);
            out << faults(window);
        }
        tabs->setCurrentIndex(current);
    }
    out.removeDuplicates();
    return out;
}

// The Date CountDown with every entry in use, all far ahead but the last, which is past;
// the notes on a pale background of the user's choice.
void fillStore(SettingsStore &store, const QDate &today)
{
    store.save(keys::BackColor, QString::number(0xC0FFFF));
    for (int n = 1; n <= 10; ++n) {
        store.save(
            keys::DateCountDownText, n,
            QStringLiteral("Anniversary of the Wedding Day %1").arg(n, 2, 10, QLatin1Char('0')));
        store.save(keys::DateCountDownDate, n,
                   datemoment::formatDate(today.addDays(n == 10 ? -1 : 3000 + 100 * n)));
        store.save(keys::DateCountDownTime, n, QStringLiteral("11:59:59 PM"));
    }
}

} // namespace

class tst_Fit : public QObject
{
    Q_OBJECT

private slots:
    // One store for every window: writes are slow.
    void initTestCase() { fillStore(m_temp.store(), test::FakeClock().now().date()); }
    void captionsShowWhole_data();
    void captionsShowWhole();
    void cleanup();

private:
    test::TempStore m_temp;
};

void tst_Fit::cleanup()
{
    QApplication::setPalette(QPalette());
    NOOKERY_VERIFY_NO_LEFTOVER_WINDOWS();
}

void tst_Fit::captionsShowWhole_data()
{
    QTest::addColumn<int>("tool");
    QTest::addColumn<bool>("dark");
    QList<Tool> tools = toolFactories().keys();
    std::sort(tools.begin(), tools.end());
    for (bool dark : {false, true}) {
        for (Tool t : tools)
            QTest::addRow("%d%s", int(t), dark ? "/dark" : "") << int(t) << dark;
        QTest::addRow("main%s", dark ? "/dark" : "") << -1 << dark;
    }
}

void tst_Fit::captionsShowWhole()
{
    QFETCH(int, tool);
    QFETCH(bool, dark);
    if (dark)
        QApplication::setPalette(darkPalette());
    test::FakeClock clock;
    test::FakePlatform platform;
    QStringList found;
    if (tool < 0) {
        test::FakeSuite suite;
        Nookery main(m_temp.store(), clock, platform, suite, QDir(m_temp.folder()));
        main.Form_Load();
        main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&main));
        found = faults(&main);
    } else {
        ToolWindows tools(m_temp.store(), clock, platform, QDir(m_temp.folder()));
        tools.show(Tool(tool));
        QWidget *window = tools.window(Tool(tool));
        QVERIFY(window);
        QVERIFY(QTest::qWaitForWindowExposed(window));
        found = faultsOnEveryPage(window);
        // The Date CountDown's editor, for an entry in use.
        if (auto *edit = window->findChild<QPushButton *>(QStringLiteral("Command1"))) {
            edit->click();
            found << faults(window);
        }
        tools.closeAll();
    }
    for (const QString &f : found)
        qWarning("%s", qPrintable(f));
    QVERIFY2(found.isEmpty(), qPrintable(QString::number(found.size()) + u" cut or unreadable"));
}

QTEST_MAIN(tst_Fit)
#include "tst_fit.moc"
