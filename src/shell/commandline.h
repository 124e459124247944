#pragma once

#include <QString>
#include <optional>

class QCoreApplication;

namespace nookery {

class Nookery;
class Suite;

// The command line: `--open TOOL`, `--help`, `--version`. The result is the request a later
// start hands to the running copy: "show" (bring the menu or strip forward) or "open TOOL".
// Help, version and a bad command line are answered on the terminal and end the program.

// Before any application object exists, so a start that hands over stays cheap. Nothing
// when the line holds options that are not the suite's (Qt's own, such as -platform): parse
// it again once the application has taken those out.
std::optional<QString> startRequest(int argc, char **argv);
QString startRequest(const QCoreApplication &app);

// The tool a request opens, or "" for "show".
QString requestedTool(const QString &request);
// Whether the running copy can carry the request out.
bool isKnownRequest(const QString &request);
// Carries out a handed-over request in the running copy; false for one it does not know.
bool carryOut(const QString &request, Nookery &mainWindow, Suite &tools);

} // namespace nookery
