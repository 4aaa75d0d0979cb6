#include "sound.h"

#include "platform/toolrunner.h"

#include <QDebug>

namespace {
const QString kAplay = QStringLiteral("/usr/bin/aplay");
const QString kGstLaunch = QStringLiteral("/usr/bin/gst-launch-0.10");
const QString kAmixer = QStringLiteral("/usr/bin/amixer");
// A killed player ends at once; the bound only keeps a stuck one from
// freezing the main thread.
const int kKillWaitMs = 1000;
} // namespace

Sound::Sound(QObject *parent)
    : QObject(parent)
{
}

Sound::~Sound()
{
    killRun();
    // A mixer run still going dies with the player, quietly.
    for (QProcess *process : findChildren<QProcess *>()) {
        process->disconnect(this);
        process->kill();
        process->waitForFinished(kKillWaitMs);
    }
}

QStringList Sound::commandFor(const QString &filename)
{
    // Only the two exact spellings pick aplay; ".Wav" goes to gst-launch.
    if (filename.endsWith(QLatin1String(".wav")) || filename.endsWith(QLatin1String(".WAV")))
        return {kAplay, QStringLiteral("-q"), filename};
    return {kGstLaunch, QStringLiteral("playbin"), QStringLiteral("uri=file://") + filename};
}

void Sound::play(const QString &filename, int repeatCount)
{
    m_repeatCount = repeatCount < -1 ? 0 : repeatCount;
    const bool sameFile = (filename == m_file);
    m_file = filename;
    if (isPlaying()) {
        if (sameFile) {
            // It keeps playing, but perhaps for another owner now.
            emit runChanged();
            return;
        }
        // The old run must be gone before the next one opens the device, and
        // its end must not count as a repetition of the new sound.
        killRun();
    }
    startRun();
    emit runChanged();
}

void Sound::play()
{
    killRun();
    startRun();
    emit runChanged();
}

bool Sound::isPlaying() const
{
    return m_run && m_run->state() != QProcess::NotRunning;
}

void Sound::stop(bool clip)
{
    m_repeatCount = 0;
    if (clip) {
        killRun();
        emit runChanged();
    }
}

void Sound::setSpeakerOn(bool onStatus)
{
    Q_UNUSED(onStatus)
}

void Sound::audioFinished() {}

void Sound::setVolume(float volume)
{
    m_volume = double(volume) * 100.0;
    m_mixerLevels.append(QString::number(m_volume, 'g', 6) + QLatin1Char('%'));
    if (!m_mixer)
        runMixer();
}

// Two mixer runs side by side may end in either order, and a mute followed
// at once by a play would then leave the wrong level: each run starts only
// when the one before it has ended. Nothing waits for them otherwise.
void Sound::runMixer()
{
    if (m_mixerLevels.isEmpty())
        return;
    QProcess *mixer = ToolRunner::start(kAmixer,
                                        {QStringLiteral("-q"), QStringLiteral("set"),
                                         QStringLiteral("'DAC2 Digital Fine'"), m_mixerLevels.takeFirst()},
                                        this);
    m_mixer = mixer;
    connect(mixer, QOverload<int, QProcess::ExitStatus>::of(&QProcess::finished), this, [this, mixer]() {
        mixer->deleteLater();
        m_mixer = nullptr;
        runMixer();
    });
}

void Sound::startRun()
{
    if (m_file.isEmpty())
        return;
    QStringList command = commandFor(m_file);
    const QString program = command.takeFirst();
    QProcess *run = ToolRunner::start(program, command, this);
    m_run = run;
    connect(run, QOverload<int, QProcess::ExitStatus>::of(&QProcess::finished), this,
            [this, run](int exitCode, QProcess::ExitStatus status) {
                runFinished(run, exitCode, status);
            });
}

void Sound::killRun()
{
    QProcess *run = m_run;
    if (!run)
        return;
    // Forget it first: its finished() may arrive inside the wait below.
    m_run = nullptr;
    if (run->state() != QProcess::NotRunning) {
        run->kill();
        run->waitForFinished(kKillWaitMs);
    }
    run->deleteLater();
}

void Sound::runFinished(QProcess *run, int exitCode, QProcess::ExitStatus status)
{
    if (run != m_run)
        return; // a killed or replaced run
    m_run = nullptr;
    run->deleteLater();

    if (status != QProcess::NormalExit || exitCode != 0) {
        // No player or no audio device here: say so and carry on. Replaying
        // at once would only spin; an alarm that repeats comes back on its
        // own timer.
        qDebug().noquote() << "Sound: cannot play" << m_file << "exit code" << exitCode;
        m_repeatCount = 0;
        emit runChanged();
        emit finished();
        return;
    }
    if (m_repeatCount == -1) {
        startRun();
        return;
    }
    if (m_repeatCount > 0)
        --m_repeatCount;
    if (m_repeatCount > 0) {
        startRun();
    } else {
        emit runChanged();
        emit finished();
    }
}
