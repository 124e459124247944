#pragma once

#include <QKeySequence>
#include <functional>

class QAction;
class QMainWindow;
class QMenu;

namespace nookery {

class Suite;

// The Help menu's captions: they differ a little from window to window.
struct HelpMenuCaptions
{
    const char16_t *topics;             // "&Help Topics" or "Help &Topics"
    const char16_t *usingTool;          // "&Using Calendar"
    QKeySequence usingKey = Qt::Key_F1; // empty where the caption names the key itself
    const char *separator = nullptr;    // the separator's name, where the window has one
};

// Every tool window's Help menu: "menuhelp" with the contents (menuhelp1), the window's own
// topic (menuhelp2) and the about box (menuhelp3), and the three handlers, wired to the
// suite. A window inherits it next to QMainWindow.
class StandardHelp
{
public:
    void menuhelp1_Click();
    void menuhelp2_Click();
    void menuhelp3_Click();

    QMenu *menuhelp = nullptr;
    QAction *menuhelp1 = nullptr;
    QAction *menuhelp2 = nullptr;
    QAction *menuhelp3 = nullptr;

protected:
    StandardHelp(Suite &suite, int topic) : m_helpSuite(suite), m_helpTopic(topic) {}
    virtual ~StandardHelp() = default;

    // Adds the menu at the end of the window's menu bar.
    void addHelpMenu(QMainWindow *window, const HelpMenuCaptions &captions);
    // Runs one of the three handlers (1 to 3); a window that numbers its failures wraps it.
    virtual void runHelp(int, const std::function<void()> &body) { body(); }

private:
    Suite &m_helpSuite;
    int m_helpTopic;
};

} // namespace nookery
