#include "bininfo.h"

BinInfo::BinInfo(int binNumber, QObject *parent)
    : QObject(parent)
    , m_binNumber(binNumber)
{
}

void BinInfo::set_actualTemp(int value)
{
    if (m_actualTemp == value)
        return;
    m_actualTemp = value;
    emit actualTempChanged(m_actualTemp);
    emit actualTempChanged(m_binNumber, m_actualTemp);
}

void BinInfo::set_targetTemp(int value)
{
    if (m_targetTemp == value)
        return;
    m_targetTemp = value;
    emit targetTempChanged(m_targetTemp);
    emit targetTempChanged(m_binNumber, m_targetTemp);
}

void BinInfo::set_actualFanSpeed(int value)
{
    if (m_actualFanSpeed == value)
        return;
    m_actualFanSpeed = value;
    emit actualFanSpeedChanged(m_actualFanSpeed);
    emit actualFanSpeedChanged(m_binNumber, m_actualFanSpeed);
}

void BinInfo::set_targetFanSpeed(int value)
{
    if (m_targetFanSpeed == value)
        return;
    m_targetFanSpeed = value;
    emit targetFanSpeedChanged(m_targetFanSpeed);
    emit targetFanSpeedChanged(m_binNumber, m_targetFanSpeed);
}

void BinInfo::forceTargetTempChangedSignal()
{
    emit targetTempChanged(m_targetTemp);
    emit targetTempChanged(m_binNumber, m_targetTemp);
}
