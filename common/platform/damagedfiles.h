#pragma once

#include <QString>
#include <QStringList>

// Files that could not be read are kept aside before anything replaces them,
// so that service can still look at what they held. Each gets a name of its
// own, "<name>.corrupt-yyyyMMdd-HHmmss" on the system's clock ("-2", "-3", ...
// after it when that second is taken), and only the newest KeptPerFile copies
// of one file stay: the oldest goes first.
class DamagedFiles
{
public:
    static constexpr int KeptPerFile = 5;

    // Renames the file aside, for a file that is about to be replaced.
    // Returns the new name, or an empty text when the rename failed.
    static QString moveAside(const QString &path);
    // The copies kept of a file, oldest first.
    static QStringList keptCopies(const QString &path);

private:
    static QString freeName(const QString &path);
    static void dropOldest(const QString &path);
};
