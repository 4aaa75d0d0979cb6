#include "safefilewriter.h"

#include "toolrunner.h"

#include <QDebug>
#include <QFile>

namespace {
const QString syncStep = QStringLiteral("syncCommand");
const QString moveStep = QStringLiteral("mvCommand");
const QString trailingSyncStep = QStringLiteral("trailingSyncCommand");
} // namespace

SafeFileWriter::SafeFileWriter(const QString &filePath, QObject *parent)
    : QObject(parent)
    , m_filePath(filePath)
{
}

void SafeFileWriter::save(const QByteArray &content)
{
    m_pending.enqueue(content);
    startNext();
}

void SafeFileWriter::startNext()
{
    while (!m_busy && !m_pending.isEmpty()) {
        const Result written = writeNewFile(m_pending.dequeue());
        if (written != Saved) {
            emit saveFinished(written);
            continue;
        }
        m_busy = true;
        startStep(QStringLiteral("/bin/sync"), {}, syncStep);
    }
}

SafeFileWriter::Result SafeFileWriter::writeNewFile(const QByteArray &content)
{
    QFile file(newFilePath());
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        qWarning().noquote() << "Unable to open" << file.fileName() << "for writing:" << file.errorString();
        return OpenFailed;
    }
    // A short write or a failed flush (a full disk shows up only there) must
    // never reach the move: the previous file is the only good copy.
    const bool complete = file.write(content) == content.size() && file.flush()
        && file.error() == QFileDevice::NoError;
    const QString reason = file.errorString();
    file.close();
    if (!complete || file.error() != QFileDevice::NoError) {
        qWarning().noquote() << "Writing" << file.fileName() << "failed:" << reason
                             << "- keeping" << m_filePath;
        QFile::remove(file.fileName());
        return WriteFailed;
    }
    return Saved;
}

void SafeFileWriter::startStep(const QString &program, const QStringList &arguments, const QString &name)
{
    QProcess *process = ToolRunner::start(program, arguments, this, name);
    connect(process, QOverload<int, QProcess::ExitStatus>::of(&QProcess::finished), this,
            &SafeFileWriter::stepFinished);
}

void SafeFileWriter::stepFinished(int exitCode, QProcess::ExitStatus exitStatus)
{
    auto *process = qobject_cast<QProcess *>(sender());
    if (!process)
        return;
    process->disconnect(this);
    process->deleteLater();
    const QString step = process->objectName();

    if (step == syncStep) {
        // The first sync only makes the new file durable before it replaces
        // the old one; its failure is no reason to give up the save.
        if (exitStatus != QProcess::NormalExit || exitCode != 0)
            qWarning().noquote() << "sync before moving" << newFilePath() << "failed";
        startStep(QStringLiteral("/bin/mv"), {newFilePath(), m_filePath}, moveStep);
        return;
    }
    if (step != moveStep)
        return;

    const bool moved = exitStatus == QProcess::NormalExit && exitCode == 0;
    if (moved) {
        // Nobody waits for this one; it only deletes itself when done.
        QProcess *sync = ToolRunner::start(QStringLiteral("/bin/sync"), {}, this, trailingSyncStep);
        connect(sync, QOverload<int, QProcess::ExitStatus>::of(&QProcess::finished), sync,
                &QObject::deleteLater);
    } else {
        qWarning().noquote() << "Moving" << newFilePath() << "over" << m_filePath
                             << "failed; the previous file stays";
    }
    m_busy = false;
    emit saveFinished(moved ? Saved : MoveFailed);
    startNext();
}
