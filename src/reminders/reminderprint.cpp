// Printing the shown view straight to the default printer.
#include "reminders/reminder.h"

#include "common/clock.h"
#include "common/failure.h"
#include "platform/platform.h"

#include <QFontMetrics>
#include <QLocale>
#include <QPainter>
#include <QPrinter>

namespace nookery {

namespace {

constexpr int LeftTwips = 800;
constexpr int HeaderTwips = 1000;
constexpr int LinesTwips = 2000;
constexpr int LinesPerPage = 48;
constexpr int DaysPrinted = 6; // today and the next six, whatever the window shows

QString expandTabs(const QString &line)
{
    QString out;
    for (const QChar c : line) {
        if (c == u'\t')
            out += QString(8 - out.size() % 8, u' ');
        else
            out += c;
    }
    return out;
}

} // namespace

void reminder::PrintReminders()
{
    try {
        std::unique_ptr<QPrinter> printer = m_platform.printers().defaultPrinter();
        if (!printer)
            throw IoError(QStringLiteral("no default printer"));
        const QList<ReminderRecord> records = m_file.ReadAll();
        const QDate now = today();
        const QList<ReminderLine> lines =
            m_all ? allLines(records, m_patterns.dayFirst())
                  : upcomingLines(records, now, DaysPrinted, m_patterns.dayFirst());

        QPainter painter;
        if (!painter.begin(printer.get()))
            throw IoError(QStringLiteral("the printer does not start"));
        const double perTwip = printer->resolution() / 1440.0;
        const auto at = [perTwip](int twips) { return qRound(twips * perTwip); };
        QFont font(QStringLiteral("Courier New"), 10);
        font.setStyleHint(QFont::TypeWriter);
        font.setFixedPitch(true);
        painter.setFont(font);
        const QFontMetrics metrics(font, printer.get());
        const int step = metrics.lineSpacing();

        int y = 0;
        const auto header = [&] {
            y = at(HeaderTwips) + metrics.ascent();
            painter.drawText(at(LeftTwips), y, QLocale().toString(now, QLocale::LongFormat));
            y += step;
            painter.drawText(at(LeftTwips), y, windowTitle());
            y = at(LinesTwips) + metrics.ascent();
        };
        header();
        for (qsizetype i = 0; i < lines.size(); ++i) {
            if (i > 0 && i % LinesPerPage == 0) {
                if (!printer->newPage())
                    throw IoError(QStringLiteral("the printer refused a new page"));
                header();
            }
            const ReminderLine &line = lines.at(i);
            painter.drawText(
                at(LeftTwips), y,
                expandTabs(printLineText(line, records.at(line.record - 1), m_patterns)));
            y += step;
        }
        if (!painter.end())
            throw IoError(QStringLiteral("the printer did not finish"));
    } catch (const std::exception &e) {
        qWarning("Error handler 500: %s", e.what());
        m_platform.messages().information(
            suiteTitle(), QStringLiteral("There was a problem printing to your printer. "
                                         "ErrorHandler 500. Notify author of this problem!"));
    }
}

} // namespace nookery
