#pragma once

#include "platform/commondialog.h"
#include "platform/messageboxes.h"


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
    QString ShowOpen(const OpenRequest &request) override;
    std::optional<QColor> ShowColor(const QColor &initial, int flags) override;
    std::optional<QFont> ShowFont(const QFont &initial, int flags) override;
    bool ShowPrinter(QPrinter &printer, int flags) override;
    void ShowHelp(int command, int contextNumber) override;
};

} // namespace nookery
