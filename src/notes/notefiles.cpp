#include "notes/notefiles.h"

#include <QFileInfo>
#include <QStringList>

#include <cerrno>
#include <cstring>
#include <sys/stat.h>

namespace nookery {

QDir notesFolder(const QString &pathSetting, const QDir &startFolder)
{
    if (pathSetting.isEmpty())
        return startFolder;
    return QDir(startFolder.absoluteFilePath(QDir::fromNativeSeparators(pathSetting)));
}

std::optional<FolderProblem> makeFolders(const QString &path)
{
    const auto problem = [](const QString &folder, int error) {
        return FolderProblem{QDir::toNativeSeparators(folder),
                             QString::fromLocal8Bit(std::strerror(error))};
    };
    QStringList missing;
    QString folder = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    while (!QFileInfo::exists(folder)) {
        missing.prepend(folder);
        const QString parent = QFileInfo(folder).path();
        if (parent == folder)
            break;
        folder = parent;
    }
    for (const QString &make : std::as_const(missing)) {
        if (::mkdir(QFile::encodeName(make).constData(), 0700) != 0 && errno != EEXIST)
            return problem(make, errno);
    }
    const QString wanted = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    if (!QFileInfo(wanted).isDir())
        return problem(wanted, ENOTDIR);
    return std::nullopt;
}

QString unsavedNotePath(const QDir &startFolder, int note)
{
    return startFolder.filePath(noteFileName(note) + QStringLiteral(".unsaved"));
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
