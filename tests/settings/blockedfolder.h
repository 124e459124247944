#pragma once

#include "support/tempstore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace nookery::test {

// Puts a plain file where the store's folder is, which no permission bit lets even root
// write through, and puts the folder back when done.
class BlockedFolder
{
public:
    explicit BlockedFolder(const TempStore &temp)
        : m_folder(QFileInfo(temp.path()).absolutePath()),
          m_away(m_folder + QStringLiteral(".away"))
    {
        QDir().rename(m_folder, m_away);
        QFile blocker(m_folder);
        if (blocker.open(QIODevice::WriteOnly))
            blocker.close();
    }
    ~BlockedFolder() { unblock(); }
    BlockedFolder(const BlockedFolder &) = delete;
    BlockedFolder &operator=(const BlockedFolder &) = delete;

    void unblock()
    {
        if (QFileInfo(m_folder).isFile()) {
            QFile::remove(m_folder);
            QDir().rename(m_away, m_folder);
        }
    }

private:
    QString m_folder;
    QString m_away;
};

inline QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace nookery::test
