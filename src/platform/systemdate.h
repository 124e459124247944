#pragma once

#include <QDate>
#include <QString>
#include <functional>

namespace nookery {

// Sets the computer's date, keeping the time of day. The desktop may ask the user for
// permission, so the answer comes later: `done` gets an empty text on success, else the
// reason it was not changed.
class SystemDate
{
public:
    virtual ~SystemDate() = default;
    using Done = std::function<void(const QString &error)>;
    virtual void setDate(const QDate &date, Done done) = 0;
};

} // namespace nookery
