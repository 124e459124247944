#pragma once

namespace nookery {

// The suite's version, as the about box, message titles and the store's "Version" show it.
inline constexpr char16_t SuiteVersion[] = u"7.0";

} // namespace nookery
