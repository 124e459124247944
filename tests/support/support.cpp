#include <QStandardPaths>

namespace nookery::test {

namespace {
// No test may ever read or write the user's real folders.
struct TestMode
{
    TestMode() { QStandardPaths::setTestModeEnabled(true); }
} testMode;
} // namespace

} // namespace nookery::test
