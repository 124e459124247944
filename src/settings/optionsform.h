#pragma once

#include "common/helpcontext.h"
#include "common/toolwindow.h"

#include <QDialog>
#include <QList>

class QPushButton;
class QStackedWidget;
class QTabBar;

namespace nookery {

class Platform;
class SettingsStore;
class Suite;
struct ToolContext;

namespace optionspages {
class Page;
}

// "Nookery Options": six pages of options, read from the store when the dialog opens and
// written all together on Save, then pushed into the open windows. Modeless; Save, Cancel
// and the close box unload it, so the next open reads the store afresh.
class optionsform final : public QDialog, public ToolWindow
{
    Q_OBJECT

public:
    static constexpr int Pages = 6;
    static constexpr int HelpTopic = helpcontext::Options;

    explicit optionsform(const ToolContext &context, QWidget *parent = nullptr);
    ~optionsform() override;

    void Form_Load();
    void Form_Activate();
    void TabStrip1_Click();
    void butoptionssave_Click();
    void butoptionscancel_Click();
    void butoptionshelp_Click();

    // Shows page `page` (1 to 6; anything else means 1). Nothing is read again.
    void selectPage(int page) override;

protected:
    bool event(QEvent *event) override;

private:
    void buildPages();
    void connectHandlers();
    void stepPage(int by);
    QPushButton *button(const QString &name, const QString &caption, const QString &toolTip);

    SettingsStore &m_store;
    Platform &m_platform;
    Suite &m_suite;

    QTabBar *TabStrip1 = nullptr;
    QStackedWidget *m_frames = nullptr;
    QList<optionspages::Page *> m_pages;
    QPushButton *butoptionssave = nullptr;
    QPushButton *butoptionscancel = nullptr;
    QPushButton *butoptionshelp = nullptr;
};

} // namespace nookery
