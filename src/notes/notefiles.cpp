#include "notes/notefiles.h"

#include <QFileInfo>

namespace nookery {

QDir notesFolder(const QString &pathSetting, const QDir &startFolder)
{
    if (pathSetting.isEmpty())
        return startFolder;
    return QDir(startFolder.absoluteFilePath(QDir::fromNativeSeparators(pathSetting)));
}

QString noteFileName(int note)
{
    return QStringLiteral("Sticky%1.rtf").arg(note);
}

QString noteFilePath(const QDir &folder, int note)
{
    const QString name = noteFileName(note);
    const QString exact = folder.filePath(name);
    if (QFileInfo::exists(exact))
        return exact;
    const QStringList candidates =
        folder.entryList({name}, QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
    for (const QString &candidate : candidates) {
        if (candidate.compare(name, Qt::CaseInsensitive) == 0)
            return folder.filePath(candidate);
    }
    return exact;
}

} // namespace nookery
