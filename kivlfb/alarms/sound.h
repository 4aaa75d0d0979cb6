#pragma once

#include <QObject>
#include <QProcess>
#include <QString>
#include <QStringList>

// The cabinet's one sound player. Sounds leave the board through the
// command-line players, one child process per run: "/usr/bin/aplay" for wave
// files, "/usr/bin/gst-launch-0.10" for anything else; the output level is set
// with "/usr/bin/amixer". At most one sound plays at a time: a new file
// replaces the one that is playing.
class Sound : public QObject
{
    Q_OBJECT

public:
    explicit Sound(QObject *parent = nullptr);
    ~Sound() override;

    QString currentFile() const { return m_file; }
    int repeatCount() const { return m_repeatCount; }
    // The object that played last (its owner's bookkeeping, never dereferenced).
    const QObject *currentOwner() const { return m_owner; }
    void setCurrentOwner(const QObject *owner) { m_owner = owner; }

    // The player command for a file: program first, then its arguments.
    static QStringList commandFor(const QString &filename);

public slots:
    // repeatCount: 0 or 1 = once, n = n times, -1 = until stopped.
    // The same file while it is playing keeps playing (with the new count).
    void play(const QString &filename, int repeatCount);
    bool isPlaying() const;
    // Ends the repetition; with clip the running sound is cut at once.
    void stop(bool clip);
    // volume 0.0 to 1.0. The mixer runs in the background, one level at a
    // time in the order asked, so the level left on the device is the last
    // one asked for.
    void setVolume(float volume);
    float getVolume() const { return float(m_volume / 100.0); }

signals:
    // The last repetition of a sound has played.
    void finished();

private:
    void startRun();
    void killRun();
    void runFinished(QProcess *run, int exitCode, QProcess::ExitStatus status);
    void runMixer();

    QProcess *m_run = nullptr; // the run whose end counts; killed runs are forgotten
    QString m_file;
    int m_repeatCount = 0;
    double m_volume = 100.0;
    QProcess *m_mixer = nullptr;  // the mixer run going on, if any
    QStringList m_mixerLevels;    // levels waiting for it to end, oldest first
    const QObject *m_owner = nullptr;
};
