#include "soundeffect.h"

#include "sound.h"

SoundEffect::SoundEffect(Sound *player, QObject *parent)
    : QObject(parent)
    , m_player(player)
{
    connect(m_player, &Sound::runChanged, this, &SoundEffect::updatePlaying);
}

void SoundEffect::play()
{
    m_player->setVolume(m_muted ? 0.0f : float(m_volume));
    // Owner first: the player then announces the hand-over and the new run
    // at once, so the effect it replaces never reads as playing again.
    m_player->setCurrentOwner(this);
    m_player->play(m_source, m_loops);
}

void SoundEffect::updatePlaying()
{
    const bool playing = isPlaying();
    if (playing == m_playing)
        return;
    m_playing = playing;
    emit playingChanged(playing);
}

bool SoundEffect::isPlaying() const
{
    return m_player->isPlaying() && m_player->currentOwner() == this;
}

void SoundEffect::stop()
{
    if (isPlaying())
        m_player->stop(true);
}

void SoundEffect::setMuted(bool muted)
{
    m_muted = muted;
    if (muted && isPlaying())
        m_player->setVolume(0.0f);
}

void SoundEffect::setVolume(qreal volume)
{
    m_volume = volume;
}
