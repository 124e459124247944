#pragma once

#include "platform/systemdate.h"

namespace nookery {

class DesktopSystemDate final : public SystemDate
{
public:
    void setDate(const QDate &date, Done done) override;
};

} // namespace nookery
