#include "support/windows.h"

#include <QApplication>
#include <QLocale>
#include <QStandardPaths>
#include <QWidget>

namespace nookery::test {

namespace {
// No test may ever read or write the user's real folders, and every test reads numbers and
// dates in one locale whatever the machine's LANG says; a test that wants another sets it
// for itself, and a run registered in another locale (NOOKERY_TEST_SYSTEM_LOCALE) keeps it.
struct TestMode
{
    TestMode()
    {
        QStandardPaths::setTestModeEnabled(true);
        if (qEnvironmentVariableIsEmpty("NOOKERY_TEST_SYSTEM_LOCALE"))
            QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    }
} testMode;
} // namespace

QStringList leftoverWindows()
{
    // A closed window is deleted from the event loop; let that happen first.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QStringList names;
    for (QWidget *w : QApplication::topLevelWidgets()) {
        // Qt keeps menus and tool tips around as hidden top-level widgets of its own.
        if (w->windowType() == Qt::Popup || w->windowType() == Qt::ToolTip || w->inherits("QMenu"))
            continue;
        names << (w->objectName().isEmpty() ? QLatin1String(w->metaObject()->className())
                                            : w->objectName());
    }
    return names;
}

} // namespace nookery::test
