#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

// A fresh file-system root for one test: KIV_ROOT points at it while the
// object lives, so nothing outside it is read or written.
class TempRoot
{
public:
    TempRoot();
    ~TempRoot();
    TempRoot(const TempRoot &) = delete;
    TempRoot &operator=(const TempRoot &) = delete;

    bool isValid() const { return m_dir.isValid(); }
    QString path() const { return m_dir.path(); }
    // A platform path ("/root/config.txt") inside this root.
    QString filePath(const QString &platformPath) const;

    bool writeFile(const QString &platformPath, const QByteArray &content) const;
    QByteArray readFile(const QString &platformPath) const;

    // Plants an executable shell script that stands for a system tool. The
    // script appends its arguments, one per line, to "<tool path>.calls"
    // inside the root and then runs body (which may be empty).
    bool addFakeTool(const QString &platformPath, const QByteArray &body = QByteArray()) const;
    // The arguments recorded by the fake tool, one call after another.
    QStringList fakeToolCalls(const QString &platformPath) const;

private:
    QTemporaryDir m_dir;
    QByteArray m_previousRoot;
    bool m_hadRoot = false;
};
