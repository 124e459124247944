#include "platform/modulefile.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace nookery {

QString findModule(QStringView name)
{
    const QString dir = QCoreApplication::applicationDirPath() + u'/';
    const QString file = u"/lib" + name + u".so";
    const QString candidates[] = {dir + QStringLiteral(NOOKERY_MODULE_DIR) + file,
                                  dir + QStringLiteral("../lib/nookery") + file};
    for (const QString &candidate : candidates) {
        if (QFileInfo::exists(candidate))
            return QFileInfo(candidate).canonicalFilePath();
    }
    return QString();
}

} // namespace nookery
