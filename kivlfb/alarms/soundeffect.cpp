#include "soundeffect.h"

#include "sound.h"

SoundEffect::SoundEffect(Sound *player, QObject *parent)
    : QObject(parent)
    , m_player(player)
{
}

void SoundEffect::play()
{
    m_player->setVolume(m_muted ? 0.0f : float(m_volume));
    m_player->play(m_source, m_loops);
    m_player->setCurrentOwner(this);
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
