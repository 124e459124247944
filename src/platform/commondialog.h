#pragma once

#include <QColor>
#include <QFont>
#include <QString>
#include <optional>

class QPrinter;

namespace nookery {

// What one file-open dialog asks for. Each call brings its own, so one window's filter or
// title never shows up in another window's dialog.
struct OpenRequest
{
    QString title = QStringLiteral("Open");
    // Pairs of "description|pattern" separated by "|", as "Wave files (*.wav)|*.wav".
    QString filter;
    QString fileName;
    // Forwarded to the dialog: file must exist, hide read-only and the like.
    int flags = 0;
};

// The shared dialog object: help, file open, colour, font and print dialogs. `InitDir`, the
// first folder of file dialogs, is shared by the whole suite ("Other Programs" / "Path").
class CommonDialog
{
public:
    virtual ~CommonDialog() = default;

    QString InitDir;
    QString HelpFile = QStringLiteral("Nookery.hlp");

    // Help commands: one topic by its context number, or the help document's topics list.
    static constexpr int HelpContext = 1;
    static constexpr int HelpTopics = 15;

    // ShowPrinter flags: offer and choose the selection, offer no selection, no page range.
    static constexpr int PrintSelection = 0x1;
    static constexpr int PrintNoSelection = 0x4;
    static constexpr int PrintNoPageNums = 0x8;

    // The chosen file's path, or an empty string when cancelled.
    virtual QString ShowOpen(const OpenRequest &request) = 0;
    virtual std::optional<QColor> ShowColor(const QColor &initial, int flags = 0) = 0;
    virtual std::optional<QFont> ShowFont(const QFont &initial, int flags = 0) = 0;
    // True when the user accepted the print dialog; the printer then holds the choices.
    virtual bool ShowPrinter(QPrinter &printer, int flags = 0) = 0;
    // Help command and context number, as the help document addresses its topics.
    virtual void ShowHelp(int command, int contextNumber) = 0;

    // "Desc|*.a|Other|*.b" as Qt's name filters: "Desc (*.a);;Other (*.b)".
    static QString qtNameFilters(const QString &filter);
};

} // namespace nookery
