#include "systemmaintenance.h"

#include "platform/boundedfile.h"
#include "platform/durablefile.h"
#include "platform/kivclock.h"
#include "platform/kivroot.h"
#include "platform/toolrunner.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageWriter>
#include <QQuickWindow>
#include <QScreen>

namespace {

const QLatin1String kMountPoint("/media/sda1");
const QLatin1String kCanControllerFault("setting SJA1000 into reset mode failed!");
const QLatin1String kFontFile("NotoSansCJKtc-Regular.otf");
const QLatin1String kFontDir("/usr/share/fonts/NotoSansCJK");
const QLatin1String kAppDir("/root/");
const QLatin1String kPluggedInMinutesFile("pluggedInMinutes.txt");
const QLatin1String kFileTimeFormat("yyMMdd-HHmmss");
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

bool SystemMaintenance::importMenuFiles()
{
    bool copied = false;
    for (const QString &name : {QStringLiteral("menu.json"), QStringLiteral("dayParts.json")}) {
        const QString source = flashDrivePath() + name;
        qDebug().noquote() << "Checking if " + source + " exists!";
        if (!QFile::exists(KivRoot::path(source)))
            continue;
        qDebug().noquote() << "Copying " + source + " to " + kAppDir;
        QByteArray content;
        QString error;
        if (BoundedFile::read(KivRoot::path(source), BoundedFile::LargeFileLimit, &content) != BoundedFile::Read)
            error = QStringLiteral("cannot be read");
        else if (DurableFile::replace(KivRoot::appFile(name), content, &error) == DurableFile::Replaced)
            copied = true;
        if (!error.isEmpty())
            qDebug().noquote() << "Unable to copy " + source + " (" + error + "); the cabinet keeps its own " + name;
    }
    ToolRunner::startDetached(QStringLiteral("/bin/sync"), {});
    return copied;
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

void SystemMaintenance::exportKernelLog(const QByteArray &dmesgOutput)
{
    const int end = dmesgOutput.indexOf('\0');
    const QString target = flashDrivePath() + QStringLiteral("kernelLog_%1.txt").arg(KivClock::now().toString(kFileTimeFormat));
    DurableFile file(KivRoot::path(target));
    if (!file.open()) {
        qDebug().noquote() << "Unable to Open File !!! " + target;
        return;
    }
    file.write(end < 0 ? dmesgOutput : dmesgOutput.left(end));
    if (file.commit() != DurableFile::Replaced)
        qDebug().noquote() << "Unable to write " + target + ": " + file.errorString();
}

SystemMaintenance::Screenshot SystemMaintenance::saveScreenshot(QQuickWindow *window, const QString &serialNumber,
                                                                const QString &modelNumber,
                                                                const QString &storeNumber)
{
    QImageWriter writer;
    writer.setFormat("png");
    if (writer.supportsOption(QImageIOHandler::Description))
        qDebug() << "Png supports embedded text";

    const QString dir = KivRoot::appFile(QStringLiteral("screenshots/"));
    if (QDir(dir).exists())
        qDebug() << "screenshots dir found!";
    else if (QDir().mkpath(dir))
        qDebug() << "Created screenshots directory";
    else
        qDebug() << "Failed to create screenshots directory";

    if (!window) {
        qDebug() << "Active window is null!!!!!";
        return Screenshot::NoWindow;
    }
    QImage image = grabWindow(window);
    image.setText(QStringLiteral("Description"), QStringLiteral("serialNumber: %1 \nmodelNumber: %2\nstoreNumber: %3\n")
                                                     .arg(serialNumber, modelNumber, storeNumber));

    const QString name = QStringLiteral("kiv_%1.png").arg(KivClock::now().toString(kFileTimeFormat));
    // Written aside and renamed, so that a full disk leaves no torn picture
    // for the export to carry off.
    DurableFile file(dir + name);
    bool saved = !image.isNull() && file.open();
    if (saved) {
        writer.setDevice(file.device());
        saved = writer.write(image) && file.commit() == DurableFile::Replaced;
    }
    qDebug().noquote() << (saved ? "Saved screenshot " : "Failed to save ") + kAppDir + "screenshots/" + name;
    return saved ? Screenshot::Saved : Screenshot::Failed;
}

QImage SystemMaintenance::grabWindow(QQuickWindow *window)
{
    QImage image = window->grabWindow();
    // The software renderer cannot read back the offscreen platform's
    // backing store; the platform's own screen grab can.
    if (image.isNull() && window->screen())
        image = window->screen()->grabWindow(window->winId()).toImage();
    return image;
}

bool SystemMaintenance::readPluggedInMinutes(int *minutes)
{
    QFile file(KivRoot::appFile(kPluggedInMinutesFile));
    if (!file.exists())
        return false;
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        qDebug() << "Unable to open the file pluggedInMinutes.txt";
        return false;
    }
    bool ok = false;
    const int value = QString::fromUtf8(file.readAll()).trimmed().toInt(&ok);
    if (ok)
        *minutes = value;
    return ok;
}

bool SystemMaintenance::writePluggedInMinutes(int minutes)
{
    if (DurableFile::replace(KivRoot::appFile(kPluggedInMinutesFile), QByteArray::number(minutes)) == DurableFile::Replaced)
        return true;
    qDebug() << "Unable to open the file pluggedInMinutes.txt";
    return false;
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
