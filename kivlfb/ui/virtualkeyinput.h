#pragma once

#include <QObject>
#include <QString>

// The native side of the on-screen keyboards: key names from QML become key
// events for the parent (the main screen), and every touch is announced so
// that the key click plays.
class VirtualKeyInput : public QObject
{
    Q_OBJECT

public:
    explicit VirtualKeyInput(QObject *parent = nullptr);

signals:
    void aKeyWasPressed();

public slots:
    // Key generation and composition; bodies come with the keyboard work.
    void generateKeyInput(QString key);
    void generateKeyInput(QString key, int modifiers);
    void loadKeyboardPlugin();
    void unloadKbPlugin();
    QString getPinyinChar(QString chars);
    QString getHangulChar(QString chars);
};
