#include "systemmaintenance.h"

#include "platform/kivroot.h"
#include "platform/toolrunner.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

const QLatin1String kMountPoint("/media/sda1");
const QLatin1String kCanControllerFault("setting SJA1000 into reset mode failed!");
const QLatin1String kFontFile("NotoSansCJKtc-Regular.otf");
const QLatin1String kFontDir("/usr/share/fonts/NotoSansCJK");
constexpr int kToolTimeoutMs = 30000;

QString onDrive(const QString &name)
{
    return KivRoot::path(SystemMaintenance::flashDrivePath() + name);
}

// The old copy on the drive goes first: a copy never overwrites.
bool replaceOnDrive(const QString &source, const QString &name)
{
    const QString target = onDrive(name);
    if (QFile::exists(target))
        QFile::remove(target);
    return QFile::copy(source, target);
}

void syncAndWait()
{
    ToolRunner::run(QStringLiteral("/bin/sync"), {}, nullptr, kToolTimeoutMs);
}

} // namespace

bool SystemMaintenance::flashDriveMounted()
{
    QByteArray output;
    ToolRunner::run(QStringLiteral("/bin/mount"), {}, &output, kToolTimeoutMs);
    return outputText(output).contains(kMountPoint);
}

void SystemMaintenance::exportMenuFiles()
{
    for (const QString &name : {QStringLiteral("menu.json"), QStringLiteral("dayParts.json")}) {
        const QString source = KivRoot::appFile(name);
        if (QFile::exists(source))
            replaceOnDrive(source, name);
    }
    ToolRunner::startDetached(QStringLiteral("/bin/sync"), {});
}

SystemMaintenance::ScreenshotExport SystemMaintenance::exportScreenShots()
{
    const QDir dir(KivRoot::appFile(QStringLiteral("screenshots/")));
    if (!dir.exists())
        return ScreenshotExport::NoDirectory;
    const QStringList names = dir.entryList({QStringLiteral("*.png")}, QDir::Files);
    if (names.isEmpty())
        return ScreenshotExport::NoScreenshots;
    for (const QString &name : names) {
        const QString source = dir.filePath(name);
        if (!QFile::exists(source))
            continue;
        if (replaceOnDrive(source, name))
            QFile::remove(source);
        else
            qDebug().noquote() << "Unable to export screenshot " + name + "; it stays on the board";
    }
    ToolRunner::startDetached(QStringLiteral("/bin/sync"), {});
    return ScreenshotExport::Exported;
}

void SystemMaintenance::exportIotLog()
{
    const QDir dir(KivRoot::path(QStringLiteral("/tmp/")));
    const QStringList names = dir.entryList({QStringLiteral("*.log")}, QDir::Files, QDir::Name);
    for (const QString &name : names) {
        const QString source = dir.filePath(name);
        if (QFile::exists(source))
            replaceOnDrive(source, name);
    }
}

void SystemMaintenance::removeOldBackups()
{
    const QDir dir(KivRoot::appDir());
    if (!dir.exists())
        return;
    const QStringList names = dir.entryList({QStringLiteral("*.txt_*")}, QDir::Files, QDir::Unsorted);
    for (const QString &name : names) {
        if (QFile::remove(dir.filePath(name)))
            qDebug().noquote() << "Removed old backup file: " + name;
        else
            qDebug().noquote() << "Unable to remove old backup file: " + name;
    }
}

void SystemMaintenance::installCjkFont()
{
    const QString waiting = KivRoot::appFile(QStringLiteral("fonts/NotoSansCJK/") + kFontFile);
    if (!QFile::exists(waiting))
        return;
    const QString fontDir = KivRoot::path(kFontDir);
    if (!QDir(fontDir).exists()) {
        QDir().mkpath(fontDir);
        syncAndWait();
    }
    const QString installed = fontDir + QLatin1Char('/') + kFontFile;
    if (!QFile::exists(installed)) {
        QFile::copy(waiting, installed);
        syncAndWait();
    }
    if (!QFileInfo(installed).isFile()) {
        qDebug().noquote() << "CJK font not installed into " + fontDir + "; the copy in fonts/ is kept";
        return;
    }
    QDir(KivRoot::appFile(QStringLiteral("fonts"))).removeRecursively();
    syncAndWait();
}

QString SystemMaintenance::outputText(const QByteArray &output)
{
    const int end = output.indexOf('\0');
    return QString::fromLocal8Bit(end < 0 ? output : output.left(end));
}

bool SystemMaintenance::showsCanControllerFault(const QByteArray &kernelLog)
{
    return outputText(kernelLog).contains(kCanControllerFault, Qt::CaseInsensitive);
}
