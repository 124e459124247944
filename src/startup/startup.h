#pragma once

#include "common/toolwindow.h"
#include "startup/startuplog.h"
#include "windowkit/helpmenu.h"

#include <QMainWindow>

class QAction;
class QListView;

namespace nookery {

class Platform;
class Suite;
class ToolBar;
struct ToolContext;

// "Startup List": when the suite was started, newest first. The log stays open while the
// window is shown; deleting old dates keeps the newest start only.
class startup : public QMainWindow, public ToolWindow, public StandardHelp
{
    Q_OBJECT

public:
    explicit startup(const ToolContext &context, QWidget *parent = nullptr);
    ~startup() override;

    void Form_Load();
    void deleteold();
    void Toolbar1_ButtonClick(QAction *button);
    void menuoptions_Click();
    void menuclose_Click();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void buildMenus();
    void buildToolBar();
    void connectHandlers();

    Platform &m_platform;
    Suite &m_suite;
    StartupLog m_log;

    QListView *startuplist = nullptr;
    StartupListModel *m_lines = nullptr;
    ToolBar *Toolbar1 = nullptr;
    QAction *menudelete = nullptr;
    QAction *menuoptions = nullptr;
    QAction *menuclose = nullptr;
};

} // namespace nookery
