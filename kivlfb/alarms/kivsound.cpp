#include "kivsound.h"

KivSound::KivSound(QObject *parent)
    : QSoundEffect(parent)
{
    connect(this, &QSoundEffect::playingChanged, this, &KivSound::handlePlaying);
    connect(this, &QSoundEffect::mutedChanged, this, &KivSound::handleMuted);
}

bool KivSound::isPlaying()
{
    m_playing = QSoundEffect::isPlaying();
    return m_playing;
}

bool KivSound::isMuted()
{
    m_muted = QSoundEffect::isMuted();
    return m_muted;
}

double KivSound::volume()
{
    m_volume = QSoundEffect::volume();
    return m_volume;
}

void KivSound::setMuted(bool muted)
{
    if (muted == m_muted)
        return;
    m_muted = muted;
    QSoundEffect::setMuted(muted);
    emit mutedChanged(muted);
}

void KivSound::setVolume(double volume)
{
    if (!qFuzzyCompare(volume + 1.0, m_volume + 1.0)) {
        m_volume = volume;
        emit volumeChanged(volume);
    }
    QSoundEffect::setVolume(m_volume);
}

void KivSound::handlePlaying()
{
    setPlaying(QSoundEffect::isPlaying());
}

// The kept flag follows this object's own setMuted(); a change made on the
// platform object directly is read by isMuted().
void KivSound::handleMuted() {}

void KivSound::setPlaying(bool playing)
{
    if (playing == m_playing)
        return;
    m_playing = playing;
    emit playingChanged(playing);
}
