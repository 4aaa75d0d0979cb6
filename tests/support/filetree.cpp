#include "filetree.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

bool writeFileTree(const QString &root, const QStringList &paths)
{
    QDir dir(root);
    for (const QString &path : paths) {
        if (path.endsWith(QLatin1Char('/'))) {
            if (!dir.mkpath(path))
                return false;
            continue;
        }
        QFile file(dir.filePath(path));
        if (!dir.mkpath(QFileInfo(path).path()) || !file.open(QIODevice::WriteOnly)
            || file.write(path.toUtf8()) != path.toUtf8().size())
            return false;
    }
    return true;
}
