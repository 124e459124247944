#pragma once

#include "common/suite.h"

#include <QDir>
#include <QPointer>
#include <QWidget>
#include <functional>

namespace nookery {

class Clock;
class Platform;
class SettingsStore;

// Owns the tool windows and opens them for the rest of the suite. Each window is made on
// first use; closing it unloads it, and the next open makes a fresh one, as a window that
// was closed starts again from its design state.
class ToolWindows final : public Suite
{
public:
    ToolWindows(SettingsStore &store, Clock &clock, Platform &platform, const QDir &startFolder);
    ~ToolWindows() override;

    void showOptions(int page) override;
    void showAbout() override;
    void showHelpContents() override;
    void showHelpTopic(int contextNumber) override;
    void showCountDown() override;
    void showCountUp() override;
    void showCountDate() override;
    void showCountFull() override;
    void showCalendar() override;
    void showConvert() override;
    void showReminders() override;
    void showStartupList() override;
    void showStickyNotes() override;

    // Discards every open tool window (the suite is ending).
    void closeAll();

    // The open window of a tool, or nullptr; for tests.
    QWidget *convertWindow() const { return m_convert; }

private:
    void present(QPointer<QWidget> &slot, const std::function<QWidget *()> &make);

    SettingsStore &m_store;
    Clock &m_clock;
    Platform &m_platform;
    QDir m_startFolder;
    QPointer<QWidget> m_convert;
};

} // namespace nookery
