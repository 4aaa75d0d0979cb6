#include "boundedfile.h"

#include <QDebug>
#include <QFile>

BoundedFile::Result BoundedFile::read(const QString &path, qint64 limit, QByteArray *bytes, qint64 spare)
{
    QFile file(path);
    if (!file.exists())
        return Missing;
    if (!file.open(QIODevice::ReadOnly))
        return Unreadable;
    // The size is checked before reading and the bytes after it: a file may
    // still be growing.
    QByteArray content;
    if (file.size() <= limit) {
        content.reserve(int(file.size() + spare));
        content.resize(int(file.size()));
        content.resize(int(qMax<qint64>(0, file.read(content.data(), content.size()))));
        // And whatever it grew by meanwhile.
        content += file.readAll();
    }
    if (file.size() > limit || content.size() > limit) {
        qWarning().noquote() << QStringLiteral("%1 holds %2 bytes, more than the %3 it may have; refused as damaged")
                                    .arg(path).arg(qMax(file.size(), qint64(content.size()))).arg(limit);
        return TooLarge;
    }
    if (file.error() != QFileDevice::NoError)
        return Unreadable;
    *bytes = content;
    return Read;
}
