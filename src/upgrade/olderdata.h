#pragma once

#include <QByteArray>
#include <QDate>
#include <QString>
#include <QStringList>
#include <array>
#include <functional>
#include <optional>

namespace nookery {

// The note files as the upgrade sees them. The shell reads and writes them as RTF.
class NoteFiles
{
public:
    struct Content
    {
        enum class State { Missing, Text, Unreadable };
        State state = State::Missing;
        QString text; // the note's plain text
        QString error;
    };
    virtual ~NoteFiles() = default;
    virtual Content read(const QString &path) = 0;
    // Writes `text` as a plain note, each line a paragraph, replacing the file whole or not
    // at all. Throws IoError.
    virtual void writePlain(const QString &path, const QString &text) = 0;
};

// Brings the older version's data over: the 54-byte reminder records become the current
// 70-byte ones, and the notes kept in the store become note files. Bytes are moved as they
// are, never through text, so a reminder reads the same byte for byte afterwards. Nothing is
// written unless it is whole, and nothing the user may still need is overwritten.
class OlderDataUpgrade
{
public:
    static constexpr qint64 MaxSourceBytes = 64 * 1024 * 1024;
    static constexpr int NoteCount = 10;

    enum class Reminders {
        Converted,
        Missing,
        Empty,
        TooLarge,
        CurrentLayout, // already converted, or never older data
        BackupDiffers, // reminder.bak holds something else: it is not ours to overwrite
        NoWholeRecord,
        Failed,
    };
    enum class Note { Untouched, Written, Same, KeptOther, KeptUnreadable, Failed };

    struct Report
    {
        QString folder;      // the start folder
        QString notesFolder; // where the note files are
        QString sourceName = QStringLiteral("reminder.dat");
        Reminders reminders = Reminders::Missing;
        int converted = 0;
        qint64 fragmentBytes = 0; // a torn last record, skipped
        QString error;
        std::array<Note, NoteCount> notes{};
        std::array<QString, NoteCount> noteErrors;

        bool everythingConverted() const;
        bool changedNothing() const;
    };

    // `notesFolder` is where the notes window reads its files ("Path", else the start folder).
    // The converted dates are written day first when `writeDayFirst` ("Calendar Format" is
    // "dd/mm" at the time of the upgrade), as the reminders window then reads them.
    OlderDataUpgrade(const QString &startFolder, const QString &notesFolder, NoteFiles &notes,
                     bool writeDayFirst = false);

    // For tests of interrupted runs: called before and after each file operation, numbered
    // from 1 in the order they run. `before` may throw IoError to make that operation fail.
    using StepHook = std::function<void(int step)>;
    void setStepHooks(StepHook before, StepHook after);

    // `oldNotes` are the store's "tab1" to "tab10", in order.
    Report run(const QStringList &oldNotes);

    // The closing message's text.
    static QString message(const Report &report);
    static QString fullSuccessText();

    // One older record, 54 bytes, as a current one, 70 bytes.
    static QByteArray convertRecord(const QByteArray &older, bool writeDayFirst = false);
    // The older 8-byte date field as the current 10-byte one.
    static QByteArray convertDate(const QByteArray &older, bool writeDayFirst = false);
    static std::optional<QDate> readOlderDate(const QByteArray &older);
    // Whether `bytes` read better as current records than as older ones.
    static bool readsAsCurrentLayout(const QByteArray &bytes);

private:
    void convertReminders(Report &report);
    void convertNotes(Report &report, const QStringList &oldNotes);
    template <typename F> void step(F &&operation);

    QString m_folder;
    QString m_notesFolder;
    NoteFiles &m_notes;
    bool m_writeDayFirst;
    StepHook m_before;
    StepHook m_after;
    int m_step = 0;
};

} // namespace nookery
