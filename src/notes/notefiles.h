#pragma once

#include <QDir>
#include <QString>

#include <optional>

namespace nookery {

// The ten notes live in one folder, one file each.
inline constexpr int NoteCount = 10;

// The notes' folder: "Other Programs" / "Path", a relative one taken against the start
// folder; an empty one is the start folder.
QDir notesFolder(const QString &pathSetting, const QDir &startFolder);

// "Sticky1.rtf" ... "Sticky10.rtf".
QString noteFileName(int note);

// Note `note`'s file in `folder`: Sticky<n>.rtf, or, where that is missing, the one file whose
// name differs from it only in case (notes copied from Windows keep whatever case they had).
// The first path when there is neither.
QString noteFilePath(const QDir &folder, int note);

// Why a folder could not be made: the folder that failed and the system's reason.
struct FolderProblem
{
    QString folder;
    QString reason;
};

// Makes `path` and whichever of its parents are missing, each readable by the user only;
// nothing when it is a folder already.
std::optional<FolderProblem> makeFolders(const QString &path);

// Where a note that could not be saved when the suite ended is kept: Sticky<n>.rtf.unsaved in
// the start folder.
QString unsavedNotePath(const QDir &startFolder, int note);

} // namespace nookery
