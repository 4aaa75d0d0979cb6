#pragma once

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QStringList>

// Runs the system's tools as child processes with argument lists (never a
// shell line with user text in it).
//
// Under KIV_ROOT a tool runs only from inside the root ("/usr/bin/nmcli" is
// looked up as "$KIV_ROOT/usr/bin/nmcli", a bare "date" in the root's bin
// directories), so tests plant small fake scripts there. The file tools that
// act only on the (re-rooted) paths they are given may fall back to the
// machine's own copy. Any other tool missing from the root is not run: the
// process fails to start, and the caller takes its failure path.
class ToolRunner
{
public:
    // The program to execute, or an empty string when it must not run here.
    static QString resolve(const QString &program);

    // Starts the tool. Whatever happens, the returned process emits
    // finished(int, QProcess::ExitStatus) exactly once, so a wrap-up slot
    // connected to it always runs: a tool that fails to start reports
    // errorOccurred(FailedToStart) and then finished(-1, CrashExit).
    // The process is created with the given parent (none by default); the
    // caller owns it and releases it in its wrap-up.
    static QProcess *start(const QString &program, const QStringList &arguments,
                           QObject *parent = nullptr, const QString &objectName = QString());

    // Runs the tool to completion. Returns its exit code, or -1 when it could
    // not start, crashed or ran past the time-out (then it is killed).
    // Standard output and error are merged into *output when given. The
    // working directory, when given, is a platform path (re-rooted here).
    static int run(const QString &program, const QStringList &arguments,
                   QByteArray *output = nullptr, int timeoutMs = 30000,
                   const QString &workingDirectory = QString());

    // Starts the tool on its own: nobody waits for it and its result is not
    // seen. False when it could not be started (or must not run here).
    static bool startDetached(const QString &program, const QStringList &arguments);
};
