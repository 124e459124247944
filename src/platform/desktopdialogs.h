#pragma once

#include "platform/commondialog.h"
#include "platform/helpviewer.h"
#include "platform/messageboxes.h"

#include <QPointer>

namespace nookery {

class DesktopMessageBoxes final : public MessageBoxes
{
public:
    void information(const QString &title, const QString &text) override;
    bool question(const QString &title, const QString &text) override;
};

class DesktopCommonDialog final : public CommonDialog
{
public:
    DesktopCommonDialog();
    ~DesktopCommonDialog() override;
    QString ShowOpen(const OpenRequest &request) override;
    std::optional<QColor> ShowColor(const QColor &initial, int flags) override;
    std::optional<QFont> ShowFont(const QFont &initial, int flags) override;
    bool ShowPrinter(QPrinter &printer, int flags) override;
    void ShowHelp(int command, int contextNumber) override;

    // The help window once a request made it, else nullptr.
    HelpViewer *helpViewer() const { return m_help; }

private:
    QPointer<HelpViewer> m_help;
};

} // namespace nookery
