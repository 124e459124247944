#pragma once

#include "common/recordfile.h"

#include <QAbstractListModel>
#include <QDate>
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QTime>
#include <functional>
#include <memory>
#include <optional>

namespace nookery {

// One start of the suite as the start-up log holds it: 22 bytes, no header, Windows-1252,
// blank-padded and cut.
struct StartupRecord
{
    static constexpr int Length = 22;
    static constexpr int DateLength = 10;
    static constexpr int TimeLength = 12;

    QString StartDate;
    QString StartTime;

    // The record of a start at `moment`, the date ordered by "Calendar Format".
    static StartupRecord at(const QDateTime &moment, const QString &calendarFormat);
    static StartupRecord fromBytes(const QByteArray &bytes);
    QByteArray toBytes() const;

    bool operator==(const StartupRecord &) const = default;
};

// "dd/mm/yyyy" for "Calendar Format" "dd/mm", else "mm/dd/yyyy", with the locale's separator.
QString startDateText(const QDate &date, const QString &calendarFormat);
// The locale's long time without its zone, cut to the field; "HH:mm:ss" when the locale's
// text would not survive the code page (the list could not read it back).
QString startTimeText(const QTime &time);

// A stored date read back day first or month first, as "Calendar Format" writes it (the
// other way round when that makes no date). An invalid date when the text is not one.
QDate readStartDate(const QString &text, bool dayFirst);
// A stored time read back: "H:mm:ss" or "h:mm:ss AM" (any case, or the locale's AM/PM, also
// cut short), seconds optional.
std::optional<QTime> readStartTime(const QString &text);

// One line of the start-up list: " 12/08/2026    09:00 am    Tuesday\t1", the date read as
// readStartDate reads it. With `shortDate` the date shows as "mm/dd/yy" instead of as stored.
QString startupLine(const StartupRecord &record, qint64 number, bool dayFirst,
                    bool shortDate = false);

// Appends one record to the log at `path` (created when missing) in one write at the end of
// its whole records: no read, no sync; a torn tail left by an earlier start is overwritten.
// Throws IoError.
void appendStartup(const QString &path, const StartupRecord &record);

struct StartupLocale;

// The start-up list's lines over the bytes of one read, newest first, numbered count..1. A
// line is made when it is asked for, so a long log opens as fast as a short one.
class StartupLines
{
public:
    StartupLines();
    StartupLines(QByteArray bytes, bool dayFirst, bool shortDate);
    qsizetype size() const { return m_bytes.size() / StartupRecord::Length; }
    QString at(qsizetype row) const;

private:
    QByteArray m_bytes; // whole records only
    bool m_dayFirst = false;
    bool m_shortDate = false;
    std::shared_ptr<const StartupLocale> m_locale;
};

// The lines as a list model, for the window's list.
class StartupListModel final : public QAbstractListModel
{
    Q_OBJECT

public:
    explicit StartupListModel(QObject *parent = nullptr);
    void setLines(StartupLines lines);
    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

private:
    StartupLines m_lines;
};

// The log as the start-up list holds it: open from load to close.
class StartupLog
{
public:
    static constexpr QLatin1StringView TemporaryName{"startup.tmp"};

    // `dayFirst`: the order the dates are read in (the order "Calendar Format" writes).
    StartupLog(QString path, bool dayFirst);

    // Opens the log, creating it when missing. Throws IoError.
    void open();
    void close() { m_file.close(); }
    bool isOpen() const { return m_file.isOpen(); }
    QString path() const { return m_path; }

    // Whole records only.
    qint64 count() const { return m_file.wholeRecords(); }
    // The list's lines over one read of the file; `shortDate` as for startupLine.
    StartupLines snapshot(bool shortDate = false) const;
    // The same, every line made at once.
    QStringList lines(bool shortDate = false) const;

    // Keeps only the file's newest whole record (an empty log stays empty). The file is
    // replaced as a whole through "startup.tmp", so it is old or new whatever happens; on
    // failure it is unchanged and open again (a log that could not be opened is tried
    // again first). Throws IoError.
    void pruneToNewest();

    // Called between the steps of pruning, with the step's name; for tests that stop the
    // process there.
    std::function<void(const char *)> stepHook;

private:
    void step(const char *name)
    {
        if (stepHook)
            stepHook(name);
    }

    QString m_path;
    bool m_dayFirst;
    RecordFile m_file{StartupRecord::Length};
};

} // namespace nookery
