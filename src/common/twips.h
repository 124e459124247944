#pragma once

#include <QtGlobal>

namespace nookery {

// Geometry is stored in twips, as the older versions wrote it; 15 twips make one
// device-independent pixel and Qt's high-DPI scaling does the rest.
constexpr int TwipsPerPixel = 15;

constexpr int twipsToPixels(double twips)
{
    return static_cast<int>(twips >= 0 ? (twips + TwipsPerPixel / 2) / TwipsPerPixel
                                       : (twips - TwipsPerPixel / 2) / TwipsPerPixel);
}

constexpr double pixelsToTwips(int pixels)
{
    return static_cast<double>(pixels) * TwipsPerPixel;
}

} // namespace nookery
