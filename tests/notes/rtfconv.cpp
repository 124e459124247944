// Developer tool: shows what the note reader makes of an RTF file, and writes RTF from HTML.
//   rtfconv FILE.rtf              the document as Qt HTML on standard output
//   rtfconv --write IN.html OUT.rtf

#include "notes/rtfreader.h"
#include "notes/rtfwriter.h"

#include <QFile>
#include <QGuiApplication>
#include <QTextDocument>
#include <QTextStream>

using namespace nookery;

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    QTextStream err(stderr);

    if (args.size() == 4 && args.at(1) == u"--write") {
        QFile in(args.at(2));
        if (!in.open(QIODevice::ReadOnly)) {
            err << args.at(2) << ": " << in.errorString() << Qt::endl;
            return 1;
        }
        QTextDocument document;
        document.setHtml(QString::fromUtf8(in.readAll()));
        const RtfWriteResult written = writeRtfFile(args.at(3), document);
        if (!written.ok) {
            err << args.at(3) << ": " << written.error << Qt::endl;
            return 1;
        }
        return 0;
    }
    if (args.size() == 2 && !args.at(1).startsWith(u'-')) {
        QTextDocument document;
        const RtfReadResult read = readRtfFile(args.at(1), &document);
        if (read.status == RtfReadResult::Status::Missing) {
            err << args.at(1) << ": no such file" << Qt::endl;
            return 1;
        }
        if (!read.ok()) {
            err << args.at(1) << ": " << read.error << Qt::endl;
            return 1;
        }
        if (read.truncated)
            err << args.at(1) << ": too large, only the start was read" << Qt::endl;
        QTextStream(stdout) << document.toHtml();
        return 0;
    }
    err << "usage: rtfconv FILE.rtf\n       rtfconv --write IN.html OUT.rtf" << Qt::endl;
    return 2;
}
