#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace nookery {

// Desktop notifications: a short message with the suite's icon beside its own windows.
class Notifications
{
public:
    virtual ~Notifications() = default;

    // Shows `summary` and `body`; a notification sent earlier with the same `tag` is
    // replaced. `activated` runs when the user clicks it (its default action). Without a
    // notification service on the desktop nothing is shown and nothing fails.
    virtual void notify(const QString &tag, const QString &summary, const QString &body,
                        std::function<void()> activated) = 0;
};

// A notification's default action for `window`: it comes forward, out of its minimised
// state. Nothing when the window has gone meanwhile.
std::function<void()> bringForwardAction(QWidget *window);

} // namespace nookery
