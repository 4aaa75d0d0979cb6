#pragma once

#include <QObject>

// Display-id reader as the controller builds it: the two ids stay zero for
// the life of the process (the update utility reads the board's id pins).
class BrelPlusIDReader : public QObject
{
    Q_OBJECT
    Q_PROPERTY(int displayId READ get_displayId WRITE set_displayId NOTIFY displayIdChanged)
    Q_PROPERTY(int orientationId READ get_orientationId WRITE set_orientationId NOTIFY orientationIdChanged)

public:
    explicit BrelPlusIDReader(QObject *parent = nullptr);

    int get_displayId() const { return m_displayId; }
    int get_orientationId() const { return m_orientationId; }

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
