// Times the note reader and writer on a 1 MiB note with every attribute, and unrtf --html on
// the same file as a peer figure. Prints milliseconds; it is not a pass/fail test.

#include "notes/rtfmodel.h"
#include "notes/rtfreader.h"
#include "notes/rtfwriter.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextList>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

using namespace nookery;

namespace {

void makeNote(QTextDocument &doc, qsizetype bytes)
{
    const QStringList words = {QStringLiteral("plain"),     QStringLiteral("café"),
                               QStringLiteral("Жук"),       QStringLiteral("日本"),
                               QStringLiteral("naïve"),     QStringLiteral("€100"),
                               QStringLiteral("{braces}"),  QStringLiteral("\U0001F600"),
                               QStringLiteral("tab\there"), QStringLiteral("ordinary")};
    const QStringList fonts = {QStringLiteral("Arial"), QStringLiteral("Times New Roman"),
                               QStringLiteral("Courier New")};
    const QColor colors[] = {Qt::red, Qt::blue, QColor(0x12, 0x34, 0x56)};
    QTextCursor cursor(&doc);
    int n = 0;
    while (true) {
        for (int para = 0; para < 50; ++para, ++n) {
            QTextBlockFormat block;
            block.setAlignment(n % 4 == 1   ? Qt::AlignHCenter
                               : n % 4 == 2 ? Qt::AlignRight
                               : n % 4 == 3 ? Qt::AlignJustify
                                            : Qt::AlignLeft);
            cursor.insertBlock(block);
            if (n % 5 == 0) {
                QTextListFormat list;
                list.setStyle(QTextListFormat::ListDisc);
                cursor.createList(list);
            }
            for (int run = 0; run < 12; ++run) {
                const int k = n * 12 + run;
                QTextCharFormat f;
                f.setFontFamilies({fonts[k % 3]});
                f.setFontPointSize(9 + k % 7);
                f.setFontWeight(k % 2 ? QFont::Bold : QFont::Normal);
                f.setFontItalic(k % 3 == 0);
                f.setFontUnderline(k % 5 == 0);
                f.setFontStrikeOut(k % 11 == 0);
                if (k % 4 == 0)
                    f.setForeground(colors[k % 3]);
                if (k % 9 == 0)
                    f.setBackground(Qt::yellow);
                cursor.insertText(words[k % words.size()] + u' ', f);
            }
        }
        if (writeRtf(doc).size() >= bytes)
            return;
    }
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

double timeIt(int runs, const std::function<void()> &f)
{
    std::vector<double> ms;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer t;
        t.start();
        f();
        ms.push_back(t.nsecsElapsed() / 1e6);
    }
    return median(ms);
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const int runs = 7;

    QTextDocument note;
    makeNote(note, 1024 * 1024);
    const QByteArray rtf = writeRtf(note);

    const double parse = timeIt(runs, [&] { parseRtf(rtf); });
    const double read = timeIt(runs, [&] {
        QTextDocument doc;
        (void)readRtf(rtf, &doc);
    });
    const double write = timeIt(runs, [&] { (void)writeRtf(note); });
    std::printf("note: %lld bytes, %d paragraphs, %lld characters\n",
                static_cast<long long>(rtf.size()), note.blockCount(),
                static_cast<long long>(note.characterCount()));
    std::printf("read  %8.1f ms  (parse %.1f ms, document %.1f ms)\n", read, parse, read - parse);
    std::printf("write %8.1f ms\n", write);

    const QString unrtf = QStandardPaths::findExecutable(QStringLiteral("unrtf"));
    if (unrtf.isEmpty()) {
        std::printf("unrtf not on PATH; no peer figure\n");
        return 0;
    }
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("note.rtf"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(rtf) != rtf.size())
        return 1;
    file.close();
    const double peer = timeIt(runs, [&] {
        QProcess p;
        p.setStandardOutputFile(QProcess::nullDevice());
        p.setStandardErrorFile(QProcess::nullDevice());
        p.start(unrtf, {QStringLiteral("--html"), path});
        p.waitForFinished(-1);
    });
    std::printf("unrtf --html %8.1f ms (whole process)\n", peer);
    return 0;
}
