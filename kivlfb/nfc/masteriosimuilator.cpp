#include "masteriosimuilator.h"

#include "property/assignifchanged.h"


namespace {
// Register numbers of the I/O board that the simulation moves.
const int kRegSetPoints = 2;
const int kRegOperationModeCommand = 12;
const int kRegOperationMode = 13;
const int kRegActualTemps = 14;
const int kRegActualTempCount = 20;
const int kRegSecondTemps = 24;
const int kRegTargetFans = 80;
const int kRegActualFans = 90;
const int kRegSetPoints2 = 102;

const int kModePreheat = 2;
const int kModeActiveHeating = 3;

// Inside set point ± this the heater swings by one per update.
const int kBand = 4;
const int kStepUp = 5;
const int kStepDown = 2;
} // namespace

MasterIOSimuilator::MasterIOSimuilator(int slaveId, int registerCount, QObject *parent)
    : ModbusFakeSlave(slaveId, registerCount, parent)
    , simulationTimer(this)
{
    heatingFlags.fill(true);
    setHoldingRegister(kRegOperationMode, kModePreheat);
    for (int i = 0; i < kRegActualTempCount; ++i)
        setHoldingRegister(kRegActualTemps + i, kFloorTemp);

    simulationTimer.setObjectName(QStringLiteral("simulationTimer"));
    simulationTimer.setInterval(kUpdateIntervalMs);
    connect(&simulationTimer, &QTimer::timeout, this, &MasterIOSimuilator::simulationUpdate);
    simulationTimer.start();
}

void MasterIOSimuilator::set_perChanelTemps(bool value)
{
    if (assignIfChanged(m_perChanelTemps, value))
        emit perChanelTempsChanged(value);
}

int MasterIOSimuilator::stepFor(int value, int setPoint, int channel)
{
    if (value < setPoint - kBand) {
        heatingFlags[channel] = true;
        return kStepUp;
    }
    if (value > setPoint + kBand) {
        heatingFlags[channel] = false;
        return -kStepDown;
    }
    return heatingFlags[channel] ? 1 : -1;
}

void MasterIOSimuilator::applyStep(int reg, int step)
{
    const int next = qMax(int(getHoldingRegister(reg)) + step, int(kFloorTemp));
    setHoldingRegister(reg, uint16_t(next));
}

void MasterIOSimuilator::simulationUpdate()
{
    if (!get_simulationOnOff())
        return;
    // A request to leave preheat is obeyed at once, from any mode.
    if (getHoldingRegister(kRegOperationModeCommand) == kModeActiveHeating)
        setHoldingRegister(kRegOperationMode, kModeActiveHeating);
    const int mode = getHoldingRegister(kRegOperationMode);
    if (mode != kModePreheat && mode != kModeActiveHeating)
        return;

    if (!m_perChanelTemps) {
        // Both inputs of a channel move together, steered by their mean.
        for (int k = 0; k < kChannels; ++k) {
            const int a = kRegActualTemps + 2 * k;
            const int b = a + 1;
            const int mean = (int(getHoldingRegister(a)) + int(getHoldingRegister(b))) / 2;
            const int step = stepFor(mean, getHoldingRegister(kRegSetPoints + k), k);
            applyStep(a, step);
            applyStep(b, step);
        }
    } else {
        for (int k = 0; k < kChannels; ++k) {
            const int reg = kRegActualTemps + k;
            applyStep(reg, stepFor(getHoldingRegister(reg), getHoldingRegister(kRegSetPoints + k), k));
        }
        for (int k = 0; k < kChannels; ++k) {
            const int reg = kRegSecondTemps + k;
            applyStep(reg, stepFor(getHoldingRegister(reg), getHoldingRegister(kRegSetPoints2 + k), k));
        }
    }

    for (int k = 0; k < kChannels; ++k)
        setHoldingRegister(kRegActualFans + k, getHoldingRegister(kRegTargetFans + k));
}

QStringList MasterIOSimuilator::registerDescriptions() const
{
    // The base names registers 0 to 79, which both boards share.
    QStringList names = ModbusFakeSlave::registerDescriptions();
    for (int i = 0; i < 10; ++i)
        names << QStringLiteral("targetFan[%1]").arg(i);
    for (int i = 0; i < 10; ++i)
        names << QStringLiteral("actualFan[%1]").arg(i);
    names << QStringLiteral("reserved") << QStringLiteral("powerSource");
    for (int i = 0; i < 10; ++i)
        names << QStringLiteral("zoneSetPoints2[%1]").arg(i);
    for (int i = 0; i < 5; ++i)
        names << QStringLiteral("boardTemp[%1]").arg(i);
    names << QStringLiteral("maxCurrent") << QStringLiteral("heater1Resistance")
          << QStringLiteral("heater2Resistance") << QStringLiteral("maxHeatersOn")
          << QStringLiteral("numIOBoards") << QStringLiteral("uint16_t fanType")
          << QStringLiteral("reserved2") << QStringLiteral("reserved3")
          << QStringLiteral("heatSinkTemp") << QStringLiteral("lineVoltage")
          << QStringLiteral("lineFrequency") << QStringLiteral("current")
          << QStringLiteral("powerMonitorErrFlags");
    return names;
}
