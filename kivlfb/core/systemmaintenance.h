#pragma once

#include <QByteArray>
#include <QString>

// The board's own Linux system rather than holding: the USB flash drive
// and what is exported to it, old backup files, the CJK font, and the
// kernel log's sign of a CAN controller that could not start.
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

    enum class ScreenshotExport { NoDirectory, NoScreenshots, Exported };
    // Moves the saved screenshots to the drive: a source is deleted only
    // once its copy is there.
    static ScreenshotExport exportScreenShots();

    // Copies the IoT process's logs ("/tmp/*.log"); the sources stay.
    static void exportIotLog();

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
