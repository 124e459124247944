#pragma once

#include "platform/platform.h"

#include <QHash>
#include <QList>
#include <QPrinter>
#include <QStringList>
#include <functional>

namespace nookery::test {

// Message boxes that never block: each call is recorded, questions take scripted answers
// (No when the script runs out).
class FakeMessageBoxes final : public MessageBoxes
{
public:
    struct Shown
    {
        QString title;
        QString text;
    };
    QList<Shown> shown;
    QList<bool> answers;
    // Runs while a box is up, as the user could change things before pressing OK.
    std::function<void()> whileShown;

    void information(const QString &title, const QString &text) override
    {
        shown.append({title, text});
        if (whileShown)
            whileShown();
    }
    bool question(const QString &title, const QString &text) override
    {
        shown.append({title, text});
        if (whileShown)
            whileShown();
        return answers.isEmpty() ? false : answers.takeFirst();
    }
    QStringList texts() const
    {
        QStringList out;
        for (const Shown &s : shown)
            out << s.text;
        return out;
    }
};

// Records each dialog asked for ("open <InitDir>|<title>|<filter>", "color", "font",
// "printer", "help <file> <command> <context>") and returns the scripted answers.
class FakeCommonDialog final : public CommonDialog
{
public:
    QStringList calls;
    QList<OpenRequest> openRequests;
    QString openAnswer;
    std::optional<QColor> colorAnswer;
    std::optional<QFont> fontAnswer;
    bool printerAnswer = false;
    int printerFlags = -1; // as the last ShowPrinter was asked

    QString ShowOpen(const OpenRequest &request) override
    {
        calls << QStringLiteral("open %1|%2|%3").arg(InitDir, request.title, request.filter);
        openRequests << request;
        return openAnswer;
    }
    std::optional<QColor> ShowColor(const QColor &, int) override
    {
        calls << QStringLiteral("color");
        return colorAnswer;
    }
    std::optional<QFont> ShowFont(const QFont &, int) override
    {
        calls << QStringLiteral("font");
        return fontAnswer;
    }
    bool ShowPrinter(QPrinter &printer, int flags) override
    {
        calls << QStringLiteral("printer");
        printerFlags = flags;
        if (flags & PrintSelection)
            printer.setPrintRange(QPrinter::Selection);
        return printerAnswer;
    }
    void ShowHelp(int command, int context) override
    {
        calls << QStringLiteral("help %1 %2 %3").arg(HelpFile).arg(command).arg(context);
    }
};

class FakeSound final : public Sound
{
public:
    QStringList calls;
    void play(const QString &file) override { calls << QStringLiteral("play ") + file; }
    void stop() override { calls << QStringLiteral("stop"); }
};

class FakePrograms final : public Programs
{
public:
    QStringList started;
    bool startCommandLine(const QString &commandLine) override
    {
        started << commandLine;
        return !commandLine.trimmed().isEmpty();
    }
    bool startCalculator() override
    {
        started << QStringLiteral("<calculator>");
        return true;
    }
    bool startScreenSaver() override
    {
        started << QStringLiteral("<screen saver>");
        return true;
    }
};

class FakeTray final : public Tray
{
public:
    bool available = true;
    bool shown = false;
    QString tip;
    int adds = 0;
    QMenu *menu = nullptr;

    bool isAvailable() const override { return available; }
    void add(const QIcon &, const QString &t) override
    {
        ++adds;
        shown = true;
        tip = t;
    }
    void remove() override { shown = false; }
    void setMenu(QMenu *m) override { menu = m; }
    void send(Event e) { emit mouseEvent(e); }
};

// Lock keys as the test sets them; a test that says they changed emits changed().
class FakeKeyStates final : public KeyStates
{
public:
    bool num = false;
    bool caps = false;
    bool reports = true;
    bool numLock() const override { return num; }
    bool capsLock() const override { return caps; }
    bool reportsChanges() const override { return reports; }
};

// Prints to a PDF file the test names, or has no printer at all.
class FakePrinters final : public Printers
{
public:
    QString pdfPath; // empty: no default printer
    int asked = 0;
    std::unique_ptr<QPrinter> defaultPrinter() override
    {
        ++asked;
        if (pdfPath.isEmpty())
            return nullptr;
        auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(pdfPath);
        return printer;
    }
};

// Never touches the real clock: records the dates asked for and answers when the test says
// (at once with `answer` unless `deferred`).
class FakeSystemDate final : public SystemDate
{
public:
    QList<QDate> requests;
    QString answer; // empty: success
    bool deferred = false;
    Done pending;
    void setDate(const QDate &date, Done done) override
    {
        requests << date;
        if (deferred)
            pending = std::move(done);
        else
            done(answer);
    }
};

// Records each notification as "tag|summary|body"; activate() plays the user's click.
class FakeNotifications final : public Notifications
{
public:
    QStringList sent;
    QHash<QString, std::function<void()>> actions; // by tag
    void notify(const QString &tag, const QString &summary, const QString &body,
                std::function<void()> activated) override
    {
        sent << tag + u'|' + summary + u'|' + body;
        actions.insert(tag, std::move(activated));
    }
    void activate(const QString &tag) { actions.value(tag)(); }
};

// The tray the next window creates is handed out here, so a test can reach it.
class FakePlatform final : public Platform
{
public:
    FakeMessageBoxes messageBoxes;
    FakeCommonDialog dialog;
    FakeSound sounds;
    FakePrograms programList;
    FakePrinters printerList;
    FakeSystemDate date;
    FakeKeyStates keys;
    FakeNotifications notices;
    bool trayAvailable = true;
    FakeTray *lastTray = nullptr;

    MessageBoxes &messages() override { return messageBoxes; }
    CommonDialog &dialogs() override { return dialog; }
    Sound &sound() override { return sounds; }
    Programs &programs() override { return programList; }
    Printers &printers() override { return printerList; }
    SystemDate &systemDate() override { return date; }
    KeyStates &keyStates() override { return keys; }
    Notifications &notifications() override { return notices; }
    std::unique_ptr<Tray> createTray() override
    {
        auto tray = std::make_unique<FakeTray>();
        tray->available = trayAvailable;
        lastTray = tray.get();
        return tray;
    }
};

} // namespace nookery::test
