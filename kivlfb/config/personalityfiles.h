#pragma once

#include <QString>

// The personality files ("*.hcc", any case) in the application directory. A
// display reads the first one it finds at start, so installing one must
// leave it the only one; and until the new file is complete under its name
// the old ones stay, so that a failed copy never leaves a display without
// identity.
class PersonalityFiles
{
public:
    // Installs the file at sourcePath as name in the application directory
    // and then removes the other personality files. On failure nothing is
    // changed and *error says why.
    static bool install(const QString &sourcePath, const QString &name, QString *error = nullptr);

    // Removes every personality file except keep (none when keep is empty).
    static void removeAllExcept(const QString &keep = QString());
};
