#include "upgrade/olderdata.h"

#include "common/datepattern.h"
#include "common/failure.h"
#include "common/recordfile.h"
#include "common/text1252.h"
#include "reminders/recordlayout.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QRegularExpression>

namespace nookery {

namespace {

namespace older = reminderlayout::older;
namespace current = reminderlayout::current;

const QString DataName = QStringLiteral("reminder.dat");
const QString BackupName = QStringLiteral("reminder.bak");
const QString TemporaryName = QStringLiteral("reminder.tmp");

QByteArray field(const QByteArray &record, reminderlayout::Field f)
{
    return record.mid(f.offset, f.width);
}

QByteArray padded(QByteArray bytes, int width)
{
    bytes.truncate(width);
    if (bytes.size() < width)
        bytes.append(width - bytes.size(), ' ');
    return bytes;
}

int countFrequencies(const QByteArray &bytes, int recordLength, int offset)
{
    int n = 0;
    for (qsizetype at = 0; at + recordLength <= bytes.size(); at += recordLength) {
        const char c = bytes.at(at + offset);
        if (c == 'O' || c == 'W' || c == 'M' || c == 'Y')
            ++n;
    }
    return n;
}

QByteArray readWhole(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw IoError(
            QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(path), file.errorString()));
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw IoError(
            QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(path), file.errorString()));
    return bytes;
}

QString normalisedNote(QString text)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    text.replace(QChar::ParagraphSeparator, u'\n');
    text.replace(QChar::LineSeparator, u'\n');
    while (!text.isEmpty() && text.back().isSpace())
        text.chop(1);
    return text;
}

QString numberList(const QList<int> &numbers)
{
    QStringList parts;
    for (int n : numbers)
        parts << QString::number(n);
    if (parts.size() == 1)
        return parts.first();
    const QString last = parts.takeLast();
    return parts.join(QStringLiteral(", ")) + QStringLiteral(" and ") + last;
}

// "Sticky note 3" or "Sticky notes 3 and 5".
QString notesNamed(const QList<int> &numbers)
{
    return (numbers.size() == 1 ? QStringLiteral("Sticky note ")
                                : QStringLiteral("Sticky notes ")) +
           numberList(numbers);
}

QString was(const QList<int> &numbers)
{
    return numbers.size() == 1 ? QStringLiteral(" was") : QStringLiteral(" were");
}

} // namespace

bool OlderDataUpgrade::Report::everythingConverted() const
{
    if (reminders != Reminders::Converted || fragmentBytes != 0)
        return false;
    return std::all_of(notes.cbegin(), notes.cend(), [](Note n) {
        return n == Note::Untouched || n == Note::Written || n == Note::Same;
    });
}

bool OlderDataUpgrade::Report::changedNothing() const
{
    return reminders != Reminders::Converted &&
           std::none_of(notes.cbegin(), notes.cend(), [](Note n) { return n == Note::Written; });
}

OlderDataUpgrade::OlderDataUpgrade(const QString &startFolder, const QString &notesFolder,
                                   NoteFiles &notes, bool writeDayFirst)
    : m_folder(startFolder), m_notesFolder(notesFolder), m_notes(notes),
      m_writeDayFirst(writeDayFirst)
{
}

void OlderDataUpgrade::setStepHooks(StepHook before, StepHook after)
{
    m_before = std::move(before);
    m_after = std::move(after);
}

template <typename F> void OlderDataUpgrade::step(F &&operation)
{
    ++m_step;
    if (m_before)
        m_before(m_step);
    operation();
    if (m_after)
        m_after(m_step);
}

namespace {

// The user's date rules, looked up once per conversion rather than once per record.
struct DateRules
{
    explicit DateRules(bool writeDayFirst = false) : writeDayFirst(writeDayFirst) {}

    bool writeDayFirst;
    // The older file's own dates are read in the locale's order, as the older version wrote them.
    bool dayFirst = localeDayFirst();
    QString separator = localeOwnDateSeparator();
    // "/", "-", "." or a blank (dates written under C), and the locale's own separator.
    QRegularExpression shape{
        QStringLiteral("^(\\d{1,2})%1(\\d{1,2})%1(\\d{1,2}|\\d{4})$")
            .arg(QStringLiteral("[/. \\-") + QRegularExpression::escape(separator) + u']')};

    std::optional<QDate> read(const QByteArray &olderField) const
    {
        qsizetype from = 0;
        qsizetype to = olderField.size();
        const auto blankOrNul = [](char c) { return c == ' ' || c == '\0'; };
        while (from < to && blankOrNul(olderField.at(from)))
            ++from;
        while (to > from && blankOrNul(olderField.at(to - 1)))
            --to;
        const QRegularExpressionMatch m =
            shape.match(fromWindows1252(olderField.mid(from, to - from)));
        if (!m.hasMatch())
            return std::nullopt;
        const int first = m.capturedView(1).toInt();
        const int second = m.capturedView(2).toInt();
        int year = m.capturedView(3).toInt();
        if (m.capturedLength(3) <= 2)
            year += year < 30 ? 2000 : 1900;
        int day = dayFirst ? first : second;
        int month = dayFirst ? second : first;
        if (month > 12)
            std::swap(day, month);
        const QDate date(year, month, day);
        if (!date.isValid())
            return std::nullopt;
        return date;
    }

    // In the order "Calendar Format" gives, four-digit year, as the reminders window reads
    // its dates: month first would make 4 July a 7 April reminder for a day-first user.
    QByteArray convertDate(const QByteArray &olderField) const
    {
        if (const std::optional<QDate> date = read(olderField))
            return toFixedField(formatDatePattern(*date, writeDayFirst
                                                             ? QStringLiteral("dd/mm/yyyy")
                                                             : QStringLiteral("mm/dd/yyyy")),
                                current::Date.width);
        return padded(olderField, current::Date.width);
    }

    QByteArray convertRecord(const QByteArray &record) const
    {
        QByteArray out;
        out.reserve(current::RecordLength);
        out += padded(field(record, older::Text), current::Text.width);
        out += QByteArray(current::Reserved.width, ' ');
        out += field(record, older::ShowYears);
        out += field(record, older::Frequency);
        out += convertDate(field(record, older::Date));
        return out;
    }

    QByteArray convertWhole(const QByteArray &old) const
    {
        const qsizetype whole = old.size() / older::RecordLength;
        QByteArray out;
        out.reserve(whole * current::RecordLength);
        for (qsizetype i = 0; i < whole; ++i)
            out += convertRecord(old.mid(i * older::RecordLength, older::RecordLength));
        return out;
    }
};

} // namespace

std::optional<QDate> OlderDataUpgrade::readOlderDate(const QByteArray &olderField)
{
    return DateRules().read(olderField);
}

QByteArray OlderDataUpgrade::convertDate(const QByteArray &olderField, bool writeDayFirst)
{
    return DateRules(writeDayFirst).convertDate(olderField);
}

QByteArray OlderDataUpgrade::convertRecord(const QByteArray &record, bool writeDayFirst)
{
    return DateRules(writeDayFirst).convertRecord(record);
}

bool OlderDataUpgrade::readsAsCurrentLayout(const QByteArray &bytes)
{
    if (bytes.isEmpty() || bytes.size() % current::RecordLength != 0)
        return false;
    return countFrequencies(bytes, current::RecordLength, current::Frequency.offset) >
           countFrequencies(bytes, older::RecordLength, older::Frequency.offset);
}

OlderDataUpgrade::Report OlderDataUpgrade::run(const QStringList &oldNotes)
{
    m_step = 0;
    Report report;
    report.folder = QDir::toNativeSeparators(m_folder);
    report.notesFolder = QDir::toNativeSeparators(m_notesFolder);
    try {
        convertReminders(report);
    } catch (const IoError &e) {
        report.reminders = Reminders::Failed;
        report.error = QString::fromStdString(e.what());
    }
    convertNotes(report, oldNotes);
    return report;
}

void OlderDataUpgrade::convertReminders(Report &report)
{
    const QDir dir(m_folder);
    const QString data = dir.filePath(DataName);
    // The older version's name may come with other capitals ("Reminder.dat").
    QString variant;
    const QStringList names =
        dir.entryList({QStringLiteral("*")}, QDir::Files | QDir::Hidden, QDir::Name);
    for (const QString &name : names) {
        if (name != DataName && name.compare(DataName, Qt::CaseInsensitive) == 0) {
            variant = name;
            break;
        }
    }
    const bool dataExists = QFileInfo::exists(data);
    const QString backup = dir.filePath(BackupName);

    if (dataExists && !variant.isEmpty() && QFileInfo::exists(backup)) {
        // An update that stopped after replacing reminder.dat and before removing the old
        // name: only that removal is left to do.
        const QString variantPath = dir.filePath(variant);
        if (QFileInfo(variantPath).size() <= MaxSourceBytes &&
            QFileInfo(data).size() <= 2 * MaxSourceBytes) {
            const QByteArray old = readWhole(variantPath);
            if (readWhole(backup) == old) {
                const qsizetype whole = old.size() / older::RecordLength;
                QByteArray converted;
                for (qsizetype i = 0; i < whole; ++i)
                    converted += convertRecord(
                        old.mid(i * older::RecordLength, older::RecordLength), m_writeDayFirst);
                if (whole > 0 && readWhole(data) == converted) {
                    report.sourceName = variant;
                    report.converted = int(whole);
                    report.fragmentBytes = old.size() % older::RecordLength;
                    step([&] {
                        if (!QFile::remove(variantPath))
                            throw IoError(QStringLiteral("cannot remove %1")
                                              .arg(QDir::toNativeSeparators(variantPath)));
                    });
                    report.reminders = Reminders::Converted;
                    return;
                }
            }
        }
    }

    if (!dataExists && variant.isEmpty()) {
        report.reminders = Reminders::Missing;
        return;
    }
    if (!dataExists)
        report.sourceName = variant;
    const QString source = dir.filePath(report.sourceName);
    const qint64 size = QFileInfo(source).size();
    if (size == 0) {
        report.reminders = Reminders::Empty;
        return;
    }
    if (size > MaxSourceBytes) {
        report.reminders = Reminders::TooLarge;
        return;
    }
    const QByteArray old = readWhole(source);
    if (readsAsCurrentLayout(old)) {
        report.reminders = Reminders::CurrentLayout;
        return;
    }
    bool backupHoldsSource = false;
    if (QFileInfo::exists(backup)) {
        backupHoldsSource = QFileInfo(backup).size() == old.size() && readWhole(backup) == old;
        if (!backupHoldsSource) {
            report.reminders = Reminders::BackupDiffers;
            return;
        }
    }
    const qsizetype whole = old.size() / older::RecordLength;
    if (whole == 0) {
        report.reminders = Reminders::NoWholeRecord;
        report.fragmentBytes = old.size();
        return;
    }
    const QByteArray converted = DateRules(m_writeDayFirst).convertWhole(old);
    report.fragmentBytes = old.size() % older::RecordLength;

    const QString temporary = dir.filePath(TemporaryName);
    if (QFileInfo::exists(temporary)) {
        step([&] {
            if (!QFile::remove(temporary))
                throw IoError(
                    QStringLiteral("cannot remove %1").arg(QDir::toNativeSeparators(temporary)));
        });
    }
    // The backup is whole before reminder.dat changes, so an interrupted update starts
    // again from the same old file.
    if (!backupHoldsSource)
        step([&] { replaceFileAtomically(backup, old, TemporaryName); });
    step([&] { replaceFileAtomically(data, converted, TemporaryName); });
    report.converted = int(whole);
    report.reminders = Reminders::Converted;
    if (!variant.isEmpty() && report.sourceName == variant) {
        const QString variantPath = dir.filePath(variant);
        step([&] {
            if (!QFile::remove(variantPath))
                throw IoError(
                    QStringLiteral("cannot remove %1").arg(QDir::toNativeSeparators(variantPath)));
        });
    }
}

void OlderDataUpgrade::convertNotes(Report &report, const QStringList &oldNotes)
{
    const QDir dir(m_notesFolder);
    for (int i = 0; i < NoteCount; ++i) {
        const QString text = oldNotes.value(i);
        if (text.isEmpty())
            continue;
        const QString path = dir.filePath(QStringLiteral("Sticky%1.rtf").arg(i + 1));
        const NoteFiles::Content content = m_notes.read(path);
        if (content.state == NoteFiles::Content::State::Unreadable) {
            report.notes[i] = Note::KeptUnreadable;
            report.noteErrors[i] = content.error;
            continue;
        }
        const QString existing = normalisedNote(content.text);
        if (content.state == NoteFiles::Content::State::Text && !existing.trimmed().isEmpty()) {
            report.notes[i] = existing == normalisedNote(text) ? Note::Same : Note::KeptOther;
            continue;
        }
        try {
            step([&] { m_notes.writePlain(path, text); });
            report.notes[i] = Note::Written;
        } catch (const IoError &e) {
            report.notes[i] = Note::Failed;
            report.noteErrors[i] = QString::fromStdString(e.what());
        }
    }
}

QString OlderDataUpgrade::fullSuccessText()
{
    return QStringLiteral("Reminders and Sticky Notes data has been updated to the newer version. "
                          "Your old Reminder.dat file has been renamed Reminder.bak. You may "
                          "continue using Nookery.");
}

QString OlderDataUpgrade::message(const Report &r)
{
    if (r.everythingConverted())
        return fullSuccessText();
    QStringList out;
    const QString source = QDir(r.folder).filePath(r.sourceName);
    const QString backup = QDir(r.folder).filePath(BackupName);
    switch (r.reminders) {
    case Reminders::Converted:
        out << (r.converted == 1 ? QStringLiteral("1 reminder was converted")
                                 : QStringLiteral("%1 reminders were converted").arg(r.converted)) +
                   QStringLiteral("; the old file is kept as %1.").arg(backup);
        break;
    case Reminders::Missing:
        out << QStringLiteral("No reminders were converted: there is no reminder.dat in %1.")
                   .arg(r.folder);
        break;
    case Reminders::Empty:
        out << QStringLiteral("No reminders were converted: %1 is empty.").arg(source);
        break;
    case Reminders::TooLarge:
        out << QStringLiteral("No reminders were converted: %1 is larger than 64 MB, too large "
                              "to be a reminder file.")
                   .arg(source);
        break;
    case Reminders::CurrentLayout:
        out << QStringLiteral("No reminders were converted: %1 is already in the current "
                              "format.")
                   .arg(source);
        break;
    case Reminders::BackupDiffers:
        out << QStringLiteral("No reminders were converted: %1 already exists and holds other "
                              "data. Move it to another folder, then update again.")
                   .arg(backup);
        break;
    case Reminders::NoWholeRecord:
        out << QStringLiteral("No reminders were converted: %1 holds no whole reminder.")
                   .arg(source);
        break;
    case Reminders::Failed:
        out << QStringLiteral("The reminders could not be converted (%1); %2 was left as it "
                              "was.")
                   .arg(r.error, source);
        break;
    }
    if (r.fragmentBytes > 0 && r.reminders == Reminders::Converted)
        out << QStringLiteral("The last %1 bytes of %2 did not make a whole reminder and were "
                              "skipped.")
                   .arg(r.fragmentBytes)
                   .arg(source);

    QList<int> written, same, other, unreadable;
    for (int i = 0; i < NoteCount; ++i) {
        switch (r.notes[i]) {
        case Note::Written:
            written << i + 1;
            break;
        case Note::Same:
            same << i + 1;
            break;
        case Note::KeptOther:
            other << i + 1;
            break;
        case Note::KeptUnreadable:
            unreadable << i + 1;
            break;
        case Note::Failed:
            out << QStringLiteral("Sticky note %1 could not be written (%2).")
                       .arg(i + 1)
                       .arg(r.noteErrors[i]);
            break;
        case Note::Untouched:
            break;
        }
    }
    if (!written.isEmpty())
        out << QStringLiteral("%1 written to %2.")
                   .arg(notesNamed(written) + was(written), r.notesFolder);
    if (!same.isEmpty())
        out << QStringLiteral("%1 already the same text.")
                   .arg(notesNamed(same) + QStringLiteral(" held"));
    if (!other.isEmpty())
        out << QStringLiteral("%1 not written: the note files in %2 already hold other "
                              "text, which was kept.")
                   .arg(notesNamed(other) + was(other), r.notesFolder);
    if (!unreadable.isEmpty())
        out << QStringLiteral("%1 not written: the note files in %2 could not be read and "
                              "were kept.")
                   .arg(notesNamed(unreadable) + was(unreadable), r.notesFolder);
    if (written.isEmpty() && same.isEmpty() && other.isEmpty() && unreadable.isEmpty() &&
        std::none_of(r.notes.cbegin(), r.notes.cend(), [](Note n) { return n == Note::Failed; }))
        out << QStringLiteral("There were no sticky notes of the older version to convert.");
    if (r.changedNothing())
        out << QStringLiteral("Nothing was changed.");
    return out.join(u' ');
}

} // namespace nookery
