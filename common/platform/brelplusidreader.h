#pragma once

#include <QByteArray>
#include <QList>
#include <QObject>

// The board's display-id and orientation-id strapping pins, as two ids.
//
// The controller builds the reader with zero ids: they stay zero for the life
// of the process (its display role comes from the personality file or the
// "-idConnector" option). The pin-reading form reads the pins once, when it is
// constructed, from their sysfs value files; the platform exports the pins,
// the reader neither exports nor configures them.
class BrelPlusIDReader : public QObject
{
    Q_OBJECT
    Q_PROPERTY(int displayId READ get_displayId WRITE set_displayId NOTIFY displayIdChanged)
    Q_PROPERTY(int orientationId READ get_orientationId WRITE set_orientationId NOTIFY orientationIdChanged)

public:
    enum IdSource {
        ZeroIds,  // no pin is read
        GpioPins, // the strapping pins, read at construction
    };
    Q_ENUM(IdSource)

    explicit BrelPlusIDReader(QObject *parent = nullptr);
    explicit BrelPlusIDReader(IdSource source, QObject *parent = nullptr);

    int get_displayId() const { return m_displayId; }
    int get_orientationId() const { return m_orientationId; }

    // The pins of each id, bit 0 first.
    static QList<int> displayIdPins();
    static QList<int> orientationIdPins();
    // The value file of one pin: "/sys/class/gpio/gpio<N>/value".
    static QString pinValuePath(int pin);
    // True when a value file's content says the (active-low) pin is active:
    // its first whitespace-delimited word is a decimal number below 1.
    static bool pinActive(const QByteArray &content);
    // Reads the pins of one id; a missing, unreadable or non-numeric value
    // file leaves its bit clear and logs why.
    static int readPins(const QList<int> &pins);

public slots:
    // Emit on every call, also when the value is unchanged.
    void set_displayId(int id);
    void set_orientationId(int id);

signals:
    void displayIdChanged(int id);
    void orientationIdChanged(int id);

private:
    int m_displayId = 0;
    int m_orientationId = 0;
};
