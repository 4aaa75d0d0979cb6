#pragma once

#include <QObject>

// One bin's temperatures and fan speeds as the I/O board reports and is told
// them. Besides its own change signals, each value is announced with the bin
// number so that one receiver can follow all bins.
class BinInfo : public QObject
{
    Q_OBJECT
    Q_PROPERTY(int actualTemp READ get_actualTemp WRITE set_actualTemp NOTIFY actualTempChanged)
    Q_PROPERTY(int targetTemp READ get_targetTemp WRITE set_targetTemp NOTIFY targetTempChanged)
    Q_PROPERTY(int actualFanSpeed READ get_actualFanSpeed WRITE set_actualFanSpeed NOTIFY actualFanSpeedChanged)
    Q_PROPERTY(int targetFanSpeed READ get_targetFanSpeed WRITE set_targetFanSpeed NOTIFY targetFanSpeedChanged)
    Q_PROPERTY(int binNumber READ get_binNumber CONSTANT)

public:
    explicit BinInfo(int binNumber, QObject *parent = nullptr);

    int get_actualTemp() const { return m_actualTemp; }
    int get_targetTemp() const { return m_targetTemp; }
    int get_actualFanSpeed() const { return m_actualFanSpeed; }
    int get_targetFanSpeed() const { return m_targetFanSpeed; }
    int get_binNumber() const { return m_binNumber; }

signals:
    void actualTempChanged(int value);
    void targetTempChanged(int value);
    void actualFanSpeedChanged(int value);
    void targetFanSpeedChanged(int value);
    void actualTempChanged(int binNumber, int value);
    void targetTempChanged(int binNumber, int value);
    void actualFanSpeedChanged(int binNumber, int value);
    void targetFanSpeedChanged(int binNumber, int value);

public slots:
    void set_actualTemp(int value);
    void set_targetTemp(int value);
    void set_actualFanSpeed(int value);
    void set_targetFanSpeed(int value);
    // Re-announces the target so that bound screens refresh.
    void forceTargetTempChangedSignal();

private:
    int m_actualTemp = 0;
    int m_targetTemp = 0;
    int m_actualFanSpeed = 0;
    int m_targetFanSpeed = 0;
    int m_binNumber;
};
