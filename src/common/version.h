#pragma once

#include <QStringView>

namespace nookery {

// The suite's version, as the about box, message titles and the store's "Version" show it.
inline constexpr QStringView SuiteVersion = u"7.0";

} // namespace nookery
