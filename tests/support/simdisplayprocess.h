#pragma once

#include "privatebus.h"
#include "ptypair.h"
#include "temproot.h"

#include <QObject>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QVector>

#include <functional>

// One display of a simulated cabinet as a process of its own: kivlfbsim in
// control mode, with a file-system root, a private system bus and a serial
// line of its own, headless. Displays of one cabinet share a virtual CAN bus
// directory. The process can be stopped by a signal and started again on
// the same root.
//
// The simulated cook's lines ("<epoch> - sim: <text>") are kept with the
// time they arrived on one monotonic clock shared by all displays of the
// test; the end of the log is written out when the test has failed.
class SimDisplayProcess : public QObject
{
    Q_OBJECT

public:
    struct Line
    {
        qint64 atMs = 0; // arrival, on clockMs()
        QString text;    // what follows "sim: "
    };

    SimDisplayProcess(const QString &program, const QString &name, QObject *parent = nullptr);
    ~SimDisplayProcess() override;

    // Starts the private bus and opens the serial line.
    bool prepare();
    const TempRoot &root() const { return m_root; }
    // The display's private system bus, for listeners and callers from outside.
    QString busAddress() const { return m_bus.address(); }

    // Starts the process ("--control" is added); the cook's lines of an
    // earlier run are dropped.
    bool start(const QString &canBusDir, const QStringList &arguments);
    // Sends a signal and waits until the process has ended.
    bool stop(int signal, int timeoutMs = 20000);
    bool isRunning() const { return m_process.state() != QProcess::NotRunning; }
    int exitCode() const { return m_process.exitCode(); }
    QProcess::ExitStatus exitStatus() const { return m_process.exitStatus(); }

    void send(const QString &command);
    // Sends a command and returns the first later line that starts with
    // answerPrefix; empty after timeoutMs.
    QString ask(const QString &command, const QString &answerPrefix, int timeoutMs = 10000);
    // Asks again until the answer satisfies ok; the last answer is left in
    // answer. False when none did within timeoutMs.
    bool askUntil(const QString &command, const QString &answerPrefix,
                  const std::function<bool(const QString &)> &ok, QString &answer, int timeoutMs);
    // The index of the first line from index `from` on that starts with
    // prefix; -1 after timeoutMs.
    int waitFor(const QString &prefix, int timeoutMs, int from = 0);
    // The index of the first line from `from` on that starts with prefix,
    // without waiting; -1 when there is none.
    int find(const QString &prefix, int from = 0) const;

    const QVector<Line> &lines() const { return m_lines; }
    // The last lines of the whole log.
    QString tail() const;

    static qint64 clockMs();
    // The value of " key=" in a line of key=value fields; a key standing
    // last takes the rest of the line.
    static QString field(const QString &line, const QString &key);

private:
    void readOutput();

    QString m_program;
    QString m_name;
    TempRoot m_root;
    PrivateBus m_bus;
    PtyPair m_pty;
    QProcess m_process;
    QByteArray m_partial;
    QVector<Line> m_lines;
    QStringList m_log;
};
