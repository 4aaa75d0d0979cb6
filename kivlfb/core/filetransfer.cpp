#include "filetransfer.h"

#include "config/personalityfiles.h"
#include "core/clockfilecodec.h"
#include "platform/kivroot.h"
#include "platform/toolrunner.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cstdio>
#include <unistd.h>

namespace {

const QLatin1String kAppLink("kivlfb");
const QLatin1String kAppLinkNew("kivlfb.new");
const QLatin1String kAppVersions("kivlfb_*");

// Read, write and execute for everyone.
const QFileDevice::Permissions kApplicationMode(0x7777);

bool writeWhole(const QString &path, const QByteArray &contents)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    qDebug().noquote() << path + " opened!!! Writing " + QString::number(contents.size()) + " bytes.";
    return file.write(contents) == contents.size() && file.flush() && ::fsync(file.handle()) == 0
        && file.commit();
}

// Removes the files of the application directory that match the pattern
// (case-sensitive), except keep, logging each with the line given for its
// outcome.
void removeOthers(const QString &pattern, const QString &keep, const char *removedLine, const char *failedLine)
{
    const QDir dir(KivRoot::appDir(), QString(), QDir::NoSort, QDir::Files | QDir::CaseSensitive);
    const QStringList names = dir.entryList({pattern});
    for (const QString &name : names) {
        if (name == keep)
            continue;
        const bool removed = QFile::remove(dir.filePath(name));
        qDebug().noquote() << QLatin1String(removed ? removedLine : failedLine) + name;
    }
}

bool isInstallableName(const QString &name)
{
    return !name.isEmpty() && !name.contains(QLatin1Char('/')) && name != QLatin1String(".")
        && name != QLatin1String("..") && name != kAppLink && name != kAppLinkNew;
}

} // namespace

QString FileTransfer::platformPath(const QString &path)
{
    const QString root = KivRoot::prefix();
    if (!root.isEmpty() && path.startsWith(root + QLatin1Char('/')))
        return path.mid(root.size());
    return path;
}

QByteArray FileTransfer::payload(const QString &platformPath)
{
    QFile file(KivRoot::path(platformPath));
    if (!file.open(QIODevice::ReadOnly)) {
        qDebug().noquote() << "sendFileViaCanbus()... Unable to open " + platformPath + " for reading";
        return QByteArray();
    }
    const QByteArray payload = ClockFileCodec::encodeFile(platformPath, file.readAll());
    if (payload.isEmpty())
        qDebug().noquote() << "sendFileViaCanbus()... the name of " + platformPath
                + " does not fit the file message; not sent";
    return payload;
}

FileTransfer::Stored FileTransfer::store(const QByteArray &payload)
{
    Stored stored;
    const ClockFileCodec::ReceivedFile file = ClockFileCodec::decodeFile(payload);
    stored.fileName = file.fileName();
    if (!file.complete || stored.fileName.isEmpty()) {
        qDebug().noquote() << "Received file message without a usable name; dropped";
        return stored;
    }
    const QString target = KivRoot::appFile(stored.fileName);
    if (!writeWhole(target, file.contents)) {
        qDebug().noquote() << "Unable to Open File !!!" << target;
        return stored;
    }
    stored.ok = true;
    // A display reads the first personality file it finds at start: the
    // received one must be the only one.
    if (stored.fileName.endsWith(QLatin1String(".hcc"), Qt::CaseInsensitive))
        PersonalityFiles::removeAllExcept(stored.fileName);
    if (stored.fileName.contains(kAppLink))
        QFile::setPermissions(target, kApplicationMode);
    ToolRunner::startDetached(QStringLiteral("/bin/sync"), {});
    return stored;
}

bool FileTransfer::installApplication(const QString &appName)
{
    bool installed = false;
    if (!isInstallableName(appName)) {
        qDebug().noquote() << "Application install refused: \"" + appName + "\" is not a file name";
    } else if (!QFileInfo(KivRoot::appFile(appName)).isFile()) {
        qDebug().noquote() << "Application install failed: " + appName + " not found";
    } else {
        const QString app = KivRoot::appFile(appName);
        QFile::setPermissions(app, kApplicationMode);
        // The link is made under another name and renamed over the old one,
        // so that "kivlfb" always names an application.
        const QString link = KivRoot::appFile(kAppLink);
        const QString newLink = KivRoot::appFile(kAppLinkNew);
        QFile::remove(newLink);
        installed = QFile::link(app, newLink)
            && std::rename(QFile::encodeName(newLink).constData(), QFile::encodeName(link).constData()) == 0;
        if (!installed) {
            QFile::remove(newLink);
            qDebug().noquote() << "Application install failed: unable to link " + link + " to " + app;
        }
    }
    if (installed)
        removeOthers(kAppVersions, appName, "Removed old executable file: ",
                     "Unable to remove old file: ");
    ToolRunner::startDetached(QStringLiteral("/bin/sync"), {});
    return installed;
}
