#include "shell/commandline.h"

#include "shell/nookery.h"
#include "shell/toolnames.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>
#include <cstdlib>

namespace nookery {

namespace {

const QString OpenPrefix = QStringLiteral("open ");

struct Parser
{
    Parser()
    {
        parser.setApplicationDescription(
            QStringLiteral("Desktop utilities: sticky notes, reminders, timers, calendar and "
                           "conversion tables. A second start hands over to the copy that "
                           "runs: without options it brings the menu or the strip forward."));
        parser.addHelpOption();
        parser.addVersionOption();
        parser.addOption(open);
    }

    QString request()
    {
        if (!parser.isSet(open))
            return QStringLiteral("show");
        const QString tool = parser.value(open);
        if (!toolNames().contains(tool)) {
            std::fprintf(stderr, "nookery: unknown tool '%s'; one of: %s\n", qPrintable(tool),
                         qPrintable(toolNames().join(QStringLiteral(", "))));
            std::exit(1);
        }
        return OpenPrefix + tool;
    }

    QCommandLineOption open{QStringList{QStringLiteral("open")},
                            QStringLiteral("Opens TOOL in the running copy, or starts the suite "
                                           "with it open. TOOL is one of: ") +
                                toolNames().join(QStringLiteral(", ")) + u'.',
                            QStringLiteral("TOOL")};
    QCommandLineParser parser;
};

} // namespace

std::optional<QString> startRequest(int argc, char **argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    Parser p;
    if (!p.parser.parse(arguments) || !p.parser.positionalArguments().isEmpty())
        return std::nullopt;
    if (p.parser.isSet(QStringLiteral("help")) || p.parser.isSet(QStringLiteral("version"))) {
        // Help names the program as it was started, which takes an application object.
        QCoreApplication app(argc, argv);
        p.parser.process(app);
    }
    return p.request();
}

QString startRequest(const QCoreApplication &app)
{
    Parser p;
    p.parser.process(app);
    if (!p.parser.positionalArguments().isEmpty()) {
        std::fprintf(stderr, "nookery: unexpected argument '%s'\n",
                     qPrintable(p.parser.positionalArguments().constFirst()));
        std::exit(1);
    }
    return p.request();
}

QString requestedTool(const QString &request)
{
    return request.startsWith(OpenPrefix) ? request.mid(OpenPrefix.size()) : QString();
}

bool isKnownRequest(const QString &request)
{
    return request == u"show" || toolNames().contains(requestedTool(request));
}

bool carryOut(const QString &request, Nookery &mainWindow, Suite &tools)
{
    if (request == u"show") {
        mainWindow.bringForward();
        return true;
    }
    const QString tool = requestedTool(request);
    return !tool.isEmpty() && openByName(tools, tool);
}

} // namespace nookery
