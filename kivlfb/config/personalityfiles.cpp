#include "personalityfiles.h"

#include "platform/boundedfile.h"
#include "platform/durablefile.h"
#include "platform/kivroot.h"

#include <QDebug>
#include <QDir>
#include <QFile>

bool PersonalityFiles::install(const QString &sourcePath, const QString &name, QString *error)
{
    QByteArray content;
    const BoundedFile::Result read = BoundedFile::read(sourcePath, BoundedFile::SmallFileLimit, &content);
    if (read != BoundedFile::Read) {
        if (error)
            *error = read == BoundedFile::TooLarge ? QStringLiteral("the file is too large")
                                                   : QStringLiteral("the file cannot be read");
        return false;
    }
    // Written under a name that does not end in ".hcc" and renamed over the
    // target only once complete.
    if (DurableFile::replace(KivRoot::appFile(name), content, error) != DurableFile::Replaced)
        return false;
    removeAllExcept(name);
    return true;
}

void PersonalityFiles::removeAllExcept(const QString &keep)
{
    const QDir dir(KivRoot::appDir(), QString(), QDir::NoSort, QDir::Files);
    const QStringList names = dir.entryList({QStringLiteral("*.hcc")});
    for (const QString &name : names) {
        if (name == keep)
            continue;
        if (QFile::remove(dir.filePath(name)))
            qDebug().noquote() << "Removed old hcc: " + name;
        else
            qDebug().noquote() << "Unable to remove old hcc file: " + name;
    }
}
