#pragma once

#include <QColor>
#include <QFont>
#include <QString>
#include <optional>

class QPrinter;

namespace nookery {

// The shared dialog object: help, file open, colour, font and print dialogs. Callers set
// the properties they need just before showing a dialog, as the older versions did.
class CommonDialog
{
public:
    virtual ~CommonDialog() = default;

    QString DialogTitle = QStringLiteral("Open");
    QString Filter = QStringLiteral("Wave files (*.wav)|*.wav");
    QString InitDir;
    QString FileName;
    QString HelpFile = QStringLiteral("Nookery.hlp");

    // Help commands: one topic by its context number, or the help document's topics list.
    static constexpr int HelpContext = 1;
    static constexpr int HelpTopics = 15;

    // The chosen file's path, or an empty string when cancelled. Uses DialogTitle, Filter
    // (pairs of "description|pattern" separated by "|"), InitDir and FileName.
    virtual QString ShowOpen() = 0;
    virtual std::optional<QColor> ShowColor(const QColor &initial) = 0;
    virtual std::optional<QFont> ShowFont(const QFont &initial) = 0;
    // True when the user accepted the print dialog; the printer then holds the choices.
    virtual bool ShowPrinter(QPrinter &printer) = 0;
    // Help command and context number, as the help document addresses its topics.
    virtual void ShowHelp(int command, int contextNumber) = 0;

    // "Desc|*.a|Other|*.b" as Qt's name filters: "Desc (*.a);;Other (*.b)".
    static QString qtNameFilters(const QString &filter);
};

} // namespace nookery
