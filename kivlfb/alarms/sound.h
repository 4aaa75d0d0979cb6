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
    // The object that plays or played last (its owner's bookkeeping, never
    // dereferenced). Set it before play(): the change is announced with the
    // run that play() starts.
    const QObject *currentOwner() const { return m_owner; }
    void setCurrentOwner(const QObject *owner) { m_owner = owner; }

    // The player command for a file: program first, then its arguments.
    static QStringList commandFor(const QString &filename);

public slots:
    // repeatCount: 0 or 1 = once, n = n times, -1 = until stopped.
    // The same file while it is playing keeps playing (with the new count).
    void play(const QString &filename, int repeatCount);
    // The current file again, from its start, with the repeat count left.
    void play();
    bool isPlaying() const;
    // Ends the repetition; with clip the running sound is cut at once.
    void stop(bool clip);
    // volume 0.0 to 1.0. The mixer runs in the background, one level at a
    // time in the order asked, so the level left on the device is the last
    // one asked for.
    void setVolume(float volume);
    float getVolume() const { return float(m_volume / 100.0); }
    // The board's amplifier is wired on and the players report nothing
    // beyond their exit: both are kept for callers that expect them.
    void setSpeakerOn(bool onStatus);
    void audioFinished();

signals:
    // The last repetition of a sound has played.
    void finished();
    // A sound started or ended, or passed to another owner: isPlaying() or
    // currentOwner() may read differently. Not sent between repetitions.
    void runChanged();

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
