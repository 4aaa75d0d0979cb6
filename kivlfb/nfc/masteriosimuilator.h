#pragma once

#include "modbus/modbusfakeslave.h"

#include <QTimer>

#include <array>

// The I/O board as a simulated Modbus slave for the desk and demo mode: it
// answers like the board, and on top of that lets the channel temperatures
// climb towards their set points and the fan speeds follow their targets,
// so that zones, tray bars and screens run without hardware.
class MasterIOSimuilator : public ModbusFakeSlave
{
    Q_OBJECT
    Q_PROPERTY(bool perChanelTemps READ get_perChanelTemps WRITE set_perChanelTemps NOTIFY perChanelTempsChanged)

public:
    static constexpr int kUpdateIntervalMs = 2000;
    static constexpr int kChannels = 10;
    // Temperatures never fall below this, whatever the set point.
    static constexpr int kFloorTemp = 60;

    MasterIOSimuilator(int slaveId, int registerCount, QObject *parent = nullptr);

signals:
    void perChanelTempsChanged(bool value);

public slots:
    void simulationUpdate() override;
    void set_perChanelTemps(bool value);
    bool get_perChanelTemps() const { return m_perChanelTemps; }

protected:
    QStringList registerDescriptions() const override;
    // This board's time-out button switches the silence on and off.
    bool timeoutButtonToggles() const override { return true; }

private:
    // One step of a simulated temperature (or pair mean) towards setPoint;
    // updates the channel's heating flag and returns the step to apply.
    int stepFor(int value, int setPoint, int channel);
    void applyStep(int reg, int step);

    bool m_perChanelTemps = false;
    std::array<bool, kChannels> heatingFlags;
    QTimer simulationTimer;
};
