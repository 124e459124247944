#pragma once

#include "common/toolwindow.h"

#include <QDialog>

class QLabel;
class QPushButton;
class QToolButton;

namespace nookery {

class Platform;
class Suite;
struct ToolContext;

// "About Nookery": the suite's name and version. Its icon is also the way to the older
// version's data upgrade.
class aboutform : public QDialog, public ToolWindow
{
    Q_OBJECT
public:
    explicit aboutform(const ToolContext &context, QWidget *parent = nullptr);

    void Image1_Click();
    void butAboutOKR_Click();
    void butAboutHelpR_Click();

protected:
    void showEvent(QShowEvent *event) override;

private:
    bool trapped(int handler, const std::function<void()> &body);

    Platform &m_platform;
    Suite &m_suite;
    QToolButton *Image1 = nullptr;
    QLabel *Label1a = nullptr;
    QLabel *Label1b = nullptr;
    QPushButton *butAboutOKR = nullptr;
    QPushButton *butAboutHelpR = nullptr;
};

} // namespace nookery
