#include "temproot.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

TempRoot::TempRoot()
    : m_hadRoot(qEnvironmentVariableIsSet("KIV_ROOT"))
{
    m_previousRoot = qgetenv("KIV_ROOT");
    if (m_dir.isValid()) {
        QDir(m_dir.path()).mkpath(QStringLiteral("root"));
        qputenv("KIV_ROOT", m_dir.path().toLocal8Bit());
    }
}

TempRoot::~TempRoot()
{
    if (m_hadRoot)
        qputenv("KIV_ROOT", m_previousRoot);
    else
        qunsetenv("KIV_ROOT");
}

QString TempRoot::filePath(const QString &platformPath) const
{
    return m_dir.path() + (platformPath.startsWith(QLatin1Char('/')) ? QString() : QStringLiteral("/"))
        + platformPath;
}

bool TempRoot::writeFile(const QString &platformPath, const QByteArray &content) const
{
    const QString full = filePath(platformPath);
    QDir().mkpath(QFileInfo(full).path());
    QFile f(full);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    return f.write(content) == content.size();
}

QByteArray TempRoot::readFile(const QString &platformPath) const
{
    QFile f(filePath(platformPath));
    if (!f.open(QIODevice::ReadOnly))
        return QByteArray();
    return f.readAll();
}

bool TempRoot::addFakeTool(const QString &platformPath, const QByteArray &body) const
{
    const QString full = filePath(platformPath);
    QByteArray script = "#!/bin/sh\n"
                        "for a in \"$@\"; do printf '%s\\n' \"$a\"; done >> \"$0.calls\"\n"
                        "printf -- '--\\n' >> \"$0.calls\"\n";
    script += body;
    script += '\n';
    if (!writeFile(platformPath, script))
        return false;
    return QFile::setPermissions(full, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner
                                           | QFile::ReadGroup | QFile::ExeGroup);
}

QStringList TempRoot::fakeToolCalls(const QString &platformPath) const
{
    const QString text = QString::fromUtf8(readFile(platformPath + QStringLiteral(".calls")));
    return text.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}
