#pragma once

// Old and new reminder files written byte by byte with their own offsets, and a folder to
// run the upgrade in, shared by the upgrade's tests and its crash helper.

#include "shell/olderdata.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QMap>

namespace nookery::test {

// A record of the older version: text at 0 (44 bytes), show-years at 44, frequency at 45,
// date at 46 (8 bytes).
inline QByteArray olderRecord(const QByteArray &text, char showYears, char frequency,
                              const QByteArray &date)
{
    QByteArray r(54, ' ');
    r.replace(0, qMin<qsizetype>(text.size(), 44), text.left(44));
    r[44] = showYears;
    r[45] = frequency;
    r.replace(46, qMin<qsizetype>(date.size(), 8), date.left(8));
    return r;
}

// A current record: text at 0 (55), three reserved bytes, show-years at 58, frequency at 59,
// date at 60 (10).
inline QByteArray currentRecord(const QByteArray &text, char showYears, char frequency,
                                const QByteArray &date, const QByteArray &reserved = "   ")
{
    QByteArray r(70, ' ');
    r.replace(0, text.size(), text);
    r.replace(55, 3, reserved);
    r[58] = showYears;
    r[59] = frequency;
    r.replace(60, date.size(), date);
    return r;
}

// Every file of a folder with its bytes.
inline QMap<QString, QByteArray> snapshot(const QString &folder)
{
    QMap<QString, QByteArray> out;
    const QDir dir(folder);
    for (const QString &name : dir.entryList(QDir::Files | QDir::Hidden)) {
        QFile f(dir.filePath(name));
        if (f.open(QIODevice::ReadOnly))
            out.insert(name, f.readAll());
    }
    return out;
}

inline void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    if (f.open(QIODevice::WriteOnly))
        f.write(bytes);
}

// Notes kept as plain text files, so the upgrade can be tested without the RTF writer.
class PlainNoteFiles final : public NoteFiles
{
public:
    QStringList unreadable; // paths that fail to read
    Content read(const QString &path) override
    {
        Content c;
        if (unreadable.contains(path)) {
            c.state = Content::State::Unreadable;
            c.error = QStringLiteral("damaged");
            return c;
        }
        QFile f(path);
        if (!f.exists())
            return c;
        f.open(QIODevice::ReadOnly);
        c.state = Content::State::Text;
        c.text = QString::fromUtf8(f.readAll());
        return c;
    }
    void writePlain(const QString &path, const QString &text) override
    {
        writeFile(path, text.toUtf8());
    }
};

} // namespace nookery::test
