#include "toolrunner.h"

#include "kivroot.h"

#include <QDebug>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

// Tools that only touch the paths they are handed; those paths are already
// re-rooted by the caller, so the machine's own copy is harmless.
bool isFileTool(const QString &name)
{
    static const QStringList tools = {
        QStringLiteral("mv"), QStringLiteral("cp"), QStringLiteral("sync"),
        QStringLiteral("tar"), QStringLiteral("gzip"), QStringLiteral("unzip"),
    };
    return tools.contains(name);
}

bool isExecutableFile(const QString &path)
{
    const QFileInfo info(path);
    return info.isFile() && info.isExecutable();
}

// Where a program that cannot run is pointed, so that starting it fails in
// the ordinary way. It lies inside the root and is never created.
QString unavailableProgram(const QString &program)
{
    const QString name = QFileInfo(program).fileName();
    return KivRoot::prefix() + QStringLiteral("/.unavailable-tool/") + name;
}

} // namespace

QString ToolRunner::resolve(const QString &program)
{
    if (!KivRoot::isRerooted())
        return program;

    const QString name = QFileInfo(program).fileName();
    if (program.startsWith(QLatin1Char('/'))) {
        const QString rerooted = KivRoot::path(program);
        if (isExecutableFile(rerooted))
            return rerooted;
    } else {
        static const QStringList dirs = {
            QStringLiteral("/bin/"), QStringLiteral("/sbin/"),
            QStringLiteral("/usr/bin/"), QStringLiteral("/usr/sbin/"),
        };
        for (const QString &dir : dirs) {
            const QString candidate = KivRoot::path(dir + program);
            if (isExecutableFile(candidate))
                return candidate;
        }
    }
    if (isFileTool(name))
        return QStandardPaths::findExecutable(name);
    return QString();
}

QProcess *ToolRunner::start(const QString &program, const QStringList &arguments,
                            QObject *parent, const QString &objectName)
{
    auto *process = new QProcess(parent);
    if (!objectName.isEmpty())
        process->setObjectName(objectName);

    QString resolved = resolve(program);
    if (resolved.isEmpty()) {
        qDebug().noquote() << "ToolRunner:" << program << "is not available here; not run";
        resolved = unavailableProgram(program);
    }

    QObject::connect(process, &QProcess::errorOccurred, process, [process](QProcess::ProcessError e) {
        if (e == QProcess::FailedToStart)
            emit process->finished(-1, QProcess::CrashExit);
    });
    process->start(resolved, arguments);
    return process;
}

int ToolRunner::run(const QString &program, const QStringList &arguments, QByteArray *output,
                    int timeoutMs, const QString &workingDirectory)
{
    const QString resolved = resolve(program);
    if (resolved.isEmpty()) {
        qDebug().noquote() << "ToolRunner:" << program << "is not available here; not run";
        return -1;
    }
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    if (!workingDirectory.isEmpty())
        process.setWorkingDirectory(KivRoot::path(workingDirectory));
    process.start(resolved, arguments);
    if (!process.waitForStarted(timeoutMs))
        return -1;
    if (!process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished(1000);
        return -1;
    }
    if (output)
        *output = process.readAll();
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

bool ToolRunner::startDetached(const QString &program, const QStringList &arguments)
{
    const QString resolved = resolve(program);
    if (resolved.isEmpty()) {
        qDebug().noquote() << "ToolRunner:" << program << "is not available here; not run";
        return false;
    }
    return QProcess::startDetached(resolved, arguments);
}
