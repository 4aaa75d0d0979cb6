#pragma once

#include <QByteArray>
#include <QObject>
#include <QProcess>
#include <QQueue>
#include <QString>

// Crash-safe replacement of one file. The new content goes to "<name>.New";
// only when it was written completely does a chain of child processes run
// "/bin/sync", then "/bin/mv" from "<name>.New" over "<name>", then a
// trailing "/bin/sync" that nobody waits for. At every moment the file is
// either the previous version or the new one, never a torn mix.
//
// One chain runs at a time: a save requested while a chain is running is
// written after that chain's move, so it can never rewrite "<name>.New"
// under a running mv. Every save ends with its own saveFinished().
class SafeFileWriter : public QObject
{
    Q_OBJECT

public:
    enum Result {
        Saved,       // the new content is in place
        OpenFailed,  // "<name>.New" could not be opened; nothing changed
        WriteFailed, // writing or flushing "<name>.New" failed (full disk); nothing changed
        MoveFailed,  // the move did not succeed; the previous file stays
    };
    Q_ENUM(Result)

    // filePath is the real path of the file (already re-rooted).
    explicit SafeFileWriter(const QString &filePath, QObject *parent = nullptr);

    QString filePath() const { return m_filePath; }
    QString newFilePath() const { return m_filePath + QStringLiteral(".New"); }
    // A chain is running (its move has not finished yet).
    bool isBusy() const { return m_busy; }

public slots:
    void save(const QByteArray &content);

signals:
    void saveFinished(SafeFileWriter::Result result);

private slots:
    void stepFinished(int exitCode, QProcess::ExitStatus exitStatus);

private:
    void startNext();
    Result writeNewFile(const QByteArray &content);
    void startStep(const QString &program, const QStringList &arguments, const QString &name);

    QString m_filePath;
    QQueue<QByteArray> m_pending;
    bool m_busy = false;
};
