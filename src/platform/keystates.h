#pragma once

#include <QObject>

namespace nookery {

// The lock keys' states, which Qt does not report. Where the desktop says when they change,
// reportsChanges() is true and changed() follows every change; elsewhere a reader has to look.
class KeyStates : public QObject
{
    Q_OBJECT

public:
    virtual bool numLock() const = 0;
    virtual bool capsLock() const = 0;
    virtual bool reportsChanges() const { return false; }

signals:
    void changed();
};

} // namespace nookery
