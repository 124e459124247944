#pragma once

#include <QStringList>

namespace nookery::test {

// Top-level windows still alive (objectName, or class name), menus and tool tips aside.
// A window test's cleanup() checks this is empty, so no test leaks a window into the next.
QStringList leftoverWindows();

} // namespace nookery::test

// For cleanup(): fails the test function that left a window behind.
#define NOOKERY_VERIFY_NO_LEFTOVER_WINDOWS()                                                       \
    QVERIFY2(::nookery::test::leftoverWindows().isEmpty(),                                         \
             qPrintable(::nookery::test::leftoverWindows().join(u',')))
