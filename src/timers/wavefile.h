#pragma once

#include <QDir>
#include <QString>

namespace nookery {

// The file to play for a stored sound name. A bare name ("Timer.wav") is looked up in the
// start folder, matching regardless of case, since the stored names come from a system
// whose file names ignore case; a name with a folder is taken as it is.
QString resolveWaveFile(const QDir &startFolder, const QString &name);

} // namespace nookery
