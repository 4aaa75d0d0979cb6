#include "kivroot.h"

#include <QtGlobal>

QString KivRoot::prefix()
{
    // Read on every call: cheap next to the file access that follows, and
    // tests may point different cases at different roots.
    QString root = qEnvironmentVariable("KIV_ROOT");
    while (root.size() > 1 && root.endsWith(QLatin1Char('/')))
        root.chop(1);
    if (root == QLatin1String("/"))
        root.clear();
    return root;
}

QString KivRoot::path(const QString &platformPath)
{
    if (!platformPath.startsWith(QLatin1Char('/')))
        return platformPath;
    return prefix() + platformPath;
}

QString KivRoot::appDir()
{
    return path(QStringLiteral("/root/"));
}

QString KivRoot::appFile(const QString &name)
{
    return appDir() + name;
}
