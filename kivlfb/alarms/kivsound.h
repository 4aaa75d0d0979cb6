#pragma once

#include <QSoundEffect>

// The platform's sound effect for QML, with its playing, muted and volume
// values cached so that each change is announced once, with its new value.
class KivSound : public QSoundEffect
{
    Q_OBJECT
    Q_PROPERTY(bool playing READ isPlaying NOTIFY playingChanged)
    Q_PROPERTY(bool muted READ isMuted WRITE setMuted NOTIFY mutedChanged)
    Q_PROPERTY(double volume READ volume WRITE setVolume NOTIFY volumeChanged)

public:
    explicit KivSound(QObject *parent = nullptr);

    // Each reads the platform's value and keeps it.
    bool isPlaying();
    bool isMuted();
    double volume();

    void setMuted(bool muted);
    // Announced when it differs from the kept value; handed to the platform
    // in any case, so a level changed behind this object's back is restored.
    void setVolume(double volume);

public slots:
    void handlePlaying();
    void handleMuted();

signals:
    void playingChanged(bool playing);
    void mutedChanged(bool muted);
    void volumeChanged(double volume);

private:
    void setPlaying(bool playing);

    bool m_playing = false;
    bool m_muted = false;
    double m_volume = 1.0;
};
