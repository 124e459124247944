#include "shell/nookery.h"
#include "shell/toolrows.h"
#include "shell/toolwindows.h"
#include "support/fakeclock.h"
#include "support/fakeplatform.h"
#include "support/fakesuite.h"
#include "support/tempstore.h"
#include "support/windows.h"
#include "windowkit/icons.h"
#include "windowkit/menus.h"

#include <QAccessible>
#include <QAction>
#include <QMenu>
#include <QTest>

using namespace nookery;

namespace {

QString describe(const QObject *o)
{
    return QString::fromLatin1(o->metaObject()->className()) + u' ' + o->objectName();
}

// Every focusable control a screen reader reaches in the window, walked through the
// accessibility tree, that has no name to say.
QStringList unnamedControls(QWidget *window)
{
    QStringList out;
    std::function<void(QAccessibleInterface *)> walk = [&](QAccessibleInterface *node) {
        const auto *widget = qobject_cast<QWidget *>(node->object());
        // Cells and rows of lists and tables are read from their view.
        if (!widget)
            return;
        const QAccessible::State state = node->state();
        if (state.invisible)
            return;
        if (state.focusable && node->text(QAccessible::Name).trimmed().isEmpty())
            out << describe(widget);
        for (int i = 0; i < node->childCount(); ++i) {
            if (QAccessibleInterface *child = node->child(i))
                walk(child);
        }
    };
    walk(QAccessible::queryAccessibleInterface(window));
    // Menu entries are read from their captions when the menu opens.
    for (const QMenu *menu : window->findChildren<QMenu *>()) {
        for (const QAction *a : menu->actions()) {
            if (a->isVisible() && !a->isSeparator() &&
                kit::spokenText(a->text()).trimmed().isEmpty())
                out << describe(menu) + u'/' + a->objectName();
        }
    }
    return out;
}

// Every icon a window shows has its bundled picture, light and dark.
QStringList iconsWithoutFallback(QWidget *window)
{
    QStringList out;
    for (const QAction *a : window->findChildren<QAction *>()) {
        const QString name = a->icon().name();
        if (!name.isEmpty() && !kit::hasFallback(name.toLatin1().constData()))
            out << a->objectName() + u'=' + name;
    }
    return out;
}

} // namespace

class tst_Accessibility : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { NOOKERY_VERIFY_NO_LEFTOVER_WINDOWS(); }

    void everyControlHasAName_data()
    {
        QTest::addColumn<int>("tool"); // -1: the main window
        QTest::newRow("Nookery") << -1;
        for (const ToolRow &row : toolRows()) {
            if (row.tool && row.make)
                QTest::newRow(qPrintable(test::FakeSuite::toolName(*row.tool))) << int(*row.tool);
        }
    }
    void everyControlHasAName()
    {
        QFETCH(int, tool);
        test::TempStore temp;
        test::FakeClock clock;
        test::FakePlatform platform;
        ToolWindows tools(temp.store(), clock, platform, QDir(temp.folder()));
        std::unique_ptr<Nookery> main;
        QWidget *window = nullptr;
        if (tool < 0) {
            main = std::make_unique<Nookery>(temp.store(), clock, platform, tools,
                                             QDir(temp.folder()));
            main->show();
            window = main.get();
        } else {
            tools.show(Tool(tool));
            window = tools.window(Tool(tool));
        }
        QVERIFY(window);
        QVERIFY(QTest::qWaitForWindowExposed(window));
        const QStringList unnamed = unnamedControls(window);
        QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(u", ")));
        const QStringList missing = iconsWithoutFallback(window);
        QVERIFY2(missing.isEmpty(), qPrintable(missing.join(u", ")));
        tools.closeAll();
    }
};

QTEST_MAIN(tst_Accessibility)
#include "tst_accessibility.moc"
