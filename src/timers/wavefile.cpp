#include "timers/wavefile.h"

#include <QFileInfo>

namespace nookery {

QString resolveWaveFile(const QDir &startFolder, const QString &name)
{
    if (name.isEmpty() || name.contains(u'/') || name.contains(u'\\'))
        return name;
    const QString exact = startFolder.filePath(name);
    if (QFileInfo::exists(exact))
        return exact;
    const QStringList entries = startFolder.entryList(QDir::Files);
    for (const QString &entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return startFolder.filePath(entry);
    }
    return exact; // missing: the player beeps
}

} // namespace nookery
