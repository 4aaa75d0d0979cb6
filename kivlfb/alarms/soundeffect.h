#pragma once

#include <QObject>
#include <QString>

class Sound;

// A named sound (file, repeat count, muted flag, volume). All effects of the
// cabinet share one Sound player, so a new effect replaces the one that is
// playing.
class SoundEffect : public QObject
{
    Q_OBJECT

public:
    SoundEffect(Sound *player, QObject *parent = nullptr);

    QString source() const { return m_source; }
    void setSource(const QString &source) { m_source = source; }
    int loops() const { return m_loops; }
    void setLoops(int loops) { m_loops = loops; }
    bool isMuted() const { return m_muted; }
    qreal volume() const { return m_volume; }

public slots:
    void play();
    // True while the shared player plays and this effect played last.
    bool isPlaying() const;
    // Cuts the sound only when it is this effect's.
    void stop();
    // Muting silences this effect's running sound at once; unmuting takes
    // effect at the next play.
    void setMuted(bool muted);
    void setVolume(qreal volume);

signals:
    // This effect's sound started or ended, also when another effect's sound
    // replaced it. Not sent between the repetitions of one sound.
    void playingChanged(bool playing);

private:
    void updatePlaying();

    Sound *m_player;
    bool m_playing = false;
    QString m_source;
    int m_loops = 0;
    bool m_muted = false;
    qreal m_volume = 1.0;
};
