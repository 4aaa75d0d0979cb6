#pragma once

#include <QByteArray>
#include <QString>

// Whole files between the displays of one cabinet: the menu and day-part
// files, the configuration, the personality file and the secondary
// display's error buffer, and the new application that the update utility
// brings to a secondary display. CabinetManager sends and receives the CAN
// messages; this class reads and writes the files behind them.
//
// A received file replaces the old one in a single rename, so a failed
// write or a power cut leaves the old file; the next message (a reload
// request) may follow at once, so the file is complete when store()
// returns.
class FileTransfer
{
public:
    // Senders pass either the path on the target ("/root/menu.json") or the
    // path on disk; the name field always carries the one on the target.
    static QString platformPath(const QString &path);

    // The payload that carries the file at the platform path, or an empty
    // array (after a log line) when the file cannot be read or its name does
    // not fit the name field.
    static QByteArray payload(const QString &platformPath);

    struct Stored
    {
        bool ok = false;
        QString fileName; // in the application directory
    };
    // Writes a received file into the application directory under the name
    // the sender gave, without its directories. A personality file
    // ("*.hcc", any case) becomes the only one there.
    static Stored store(const QByteArray &payload);

    // Points the "kivlfb" link at an application file already received
    // into the application directory and removes the other versions. The
    // name must be a bare file name; anything else installs nothing.
    static bool installApplication(const QString &appName);
};
