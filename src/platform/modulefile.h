#pragma once

#include <QString>
#include <QStringView>

namespace nookery {

// The loadable module lib<name>.so ("nookery_audio") beside the program: where it is installed
// (the library folder's nookery/ relative to the program's folder), or where it is built
// (bin/ and lib/nookery/ in the build tree). "" when it is in neither.
QString findModule(QStringView name);

} // namespace nookery
