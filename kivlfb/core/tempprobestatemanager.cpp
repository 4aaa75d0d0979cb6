#include "tempprobestatemanager.h"

#include "statemachine/statemachinebuilder.h"

namespace {
const quint16 kTcShorted = 1;
const quint16 kTcOpen = 2;
} // namespace

TempProbeStateManager::TempProbeStateManager(QObject *parent)
    : TarnStateMachine(parent)
{
    buildMachine();
}

void TempProbeStateManager::buildMachine()
{
    StateMachineBuilder b(this);
    QState *managerState = b.state(this, "managerState");
    QState *unknownState = b.state(managerState, "unknownState");
    setInitialState(managerState);
    managerState->setInitialState(unknownState);
}

void TempProbeStateManager::set_tps(int value)
{
    if (m_tps == value)
        return;
    m_tps = value;
    emit tpsChanged(m_tps);
}

void TempProbeStateManager::set_tpvalue(int value)
{
    if (m_tpvalue == value)
        return;
    m_tpvalue = value;
    emit tpvalueChanged(m_tpvalue);
}

void TempProbeStateManager::set_tpNumber(int value)
{
    if (m_tpNumber == value)
        return;
    m_tpNumber = value;
    emit tpNumberChanged(m_tpNumber);
}

void TempProbeStateManager::set_ignoreErrorsFlag(bool value)
{
    if (m_ignoreErrorsFlag == value)
        return;
    m_ignoreErrorsFlag = value;
    emit ignoreErrorsFlagChanged(m_ignoreErrorsFlag);
}

void TempProbeStateManager::processTcErrorState(quint16 itemNumber, quint16 err)
{
    if (m_tpNumber < 0 || itemNumber != quint16(m_tpNumber))
        return;
    if (err == kTcShorted)
        emit tpsShorted();
    else if (err == kTcOpen)
        emit tpsOpen();
    else
        emit tpsNormal();
}

void TempProbeStateManager::managerState_onEntry() {}
void TempProbeStateManager::managerState_onExit() {}
void TempProbeStateManager::unknownState_onEntry() {}
void TempProbeStateManager::unknownState_onExit() {}
