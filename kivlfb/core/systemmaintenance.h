#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

class QQuickWindow;

// The board's own Linux system rather than holding: the USB flash drive
// and what is exported to it or imported from it, screenshots, the
// run-time counter, old backup files, the CJK font, and the kernel log.
// CabinetManager's slots run these and report the outcome to the screens.
//
// A file is exported by deleting the old copy on the drive and copying the
// new one there; nothing checks that the drive is mounted (the screens ask
// first), so a copy onto a missing drive simply fails.
class SystemMaintenance
{
public:
    // The drive's mount point, as the screens know it.
    static QString flashDrivePath() { return QStringLiteral("/media/sda1/"); }

    // True when the mount table lists the drive's mount point. Blocks while
    // "/bin/mount" runs.
    static bool flashDriveMounted();

    // "menu.json" and "dayParts.json", where they exist.
    static void exportMenuFiles();
    // The same two files from the drive into the application directory.
    // Each replaces its file whole or not at all: a drive pulled in the
    // middle, or an unreadable file, leaves the cabinet's own copy as it
    // was. True when at least one file was replaced.
    static bool importMenuFiles();

    enum class ScreenshotExport { NoDirectory, NoScreenshots, Exported };
    // Moves the saved screenshots to the drive: a source is deleted only
    // once its copy is there.
    static ScreenshotExport exportScreenShots();

    // Copies the IoT process's logs ("/tmp/*.log"); the sources stay.
    static void exportIotLog();
    // Writes the kernel log (the output of "/bin/dmesg", up to its first
    // zero byte) to the drive as "kernelLog_yyMMdd-HHmmss.txt".
    static void exportKernelLog(const QByteArray &dmesgOutput);

    enum class Screenshot { NoWindow, Saved, Failed };
    // Saves the window as "screenshots/kiv_yyMMdd-HHmmss.png" in the
    // application directory (local time), with the cabinet's identity in the
    // picture's "Description" text.
    static Screenshot saveScreenshot(QQuickWindow *window, const QString &serialNumber,
                                     const QString &modelNumber, const QString &storeNumber);
    // What the window shows now; a null image when nothing can be grabbed.
    static QImage grabWindow(QQuickWindow *window);

    // The run-time counter "pluggedInMinutes.txt": decimal text without a
    // line end. False when the file is missing or holds no number.
    static bool readPluggedInMinutes(int *minutes);
    // The file is replaced whole: a cabinet is unplugged at any moment, and
    // a write cut short must leave the previous count, not an empty file.
    static bool writePluggedInMinutes(int minutes);

    // Deletes the "*.txt_*" backups of the application directory.
    static void removeOldBackups();

    // Installs the CJK font when a copy waits in the application directory;
    // the copy is deleted once the installed font is there.
    static void installCjkFont();

    // A command's output as text: up to its first zero byte.
    static QString outputText(const QByteArray &output);
    // True when the kernel log says the CAN controller could not start, as
    // when the bus has no supply.
    static bool showsCanControllerFault(const QByteArray &kernelLog);
};
