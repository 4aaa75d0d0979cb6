#include "tempprobestatemanager.h"

#include "property/assignifchanged.h"

#include "platform/kivclock.h"
#include "statemachine/statemachinebuilder.h"

namespace {
const quint16 kTcShorted = 1;
const quint16 kTcOpen = 2;
} // namespace

TempProbeStateManager::TempProbeStateManager(QObject *parent)
    : TarnStateMachine(parent)
    , errorDelayTimer(this)
{
    errorDelayTimer.setObjectName(QStringLiteral("errorDelayTimer"));
    errorDelayTimer.setInterval(kErrorCheckIntervalMs);
    buildMachine();
}

void TempProbeStateManager::buildMachine()
{
    StateMachineBuilder b(this);
    QState *managerState = b.state(this, "managerState");
    QState *unknownState = b.state(managerState, "unknownState");
    QState *ignoreErrorsState = b.state(managerState, "ignoreErrorsState");
    QState *validState = b.state(managerState, "validState");
    QState *tooLowState = b.state(managerState, "tooLowState");
    QState *shortedState = b.state(managerState, "shortedState");
    QState *tooHighState = b.state(managerState, "tooHighState");
    QState *openedState = b.state(managerState, "openedState");
    setInitialState(managerState);
    managerState->setInitialState(unknownState);

    const QString me = QStringLiteral("this");
    const QString timer = QStringLiteral("&errorDelayTimer");
    b.transition(unknownState, ignoreErrorsState, "t_ignore", me, this, SIGNAL(ignoreErrorsSignal()));
    b.transition(unknownState, validState, "t_1", me, this, SIGNAL(tpsNormal()));
    b.transition(unknownState, tooLowState, "t_2", me, this, SIGNAL(tpsShorted()));
    b.transition(unknownState, tooHighState, "t_3", me, this, SIGNAL(tpsOpen()));

    b.transition(validState, tooLowState, "t_valid_1", me, this, SIGNAL(tpsShorted()));
    b.transition(validState, tooHighState, "t_valid_2", me, this, SIGNAL(tpsOpen()));

    b.transition(tooLowState, shortedState, "t_low_1", timer, &errorDelayTimer, SIGNAL(timeout()),
                 "longEnough4Error");
    b.transition(tooLowState, validState, "t_low_2", me, this, SIGNAL(tpsNormal()));
    b.transition(tooLowState, tooHighState, "t_low_3", me, this, SIGNAL(tpsOpen()));

    b.transition(tooHighState, openedState, "t_high_1", timer, &errorDelayTimer, SIGNAL(timeout()),
                 "longEnough4Error");
    b.transition(tooHighState, validState, "t_high2", me, this, SIGNAL(tpsNormal()));
    b.transition(tooHighState, tooLowState, "t_high3", me, this, SIGNAL(tpsShorted()));

    b.transition(shortedState, validState, "t_shorted_1", me, this, SIGNAL(tpsNormal()));
    b.transition(shortedState, tooHighState, "t_shorted_2", me, this, SIGNAL(tpsOpen()));

    b.transition(openedState, validState, "t_opened_1", me, this, SIGNAL(tpsNormal()));
    b.transition(openedState, tooLowState, "t_opened_2", me, this, SIGNAL(tpsShorted()));
}

void TempProbeStateManager::set_tps(int value)
{
    if (assignIfChanged(m_tps, value))
        emit tpsChanged(m_tps);
}

void TempProbeStateManager::set_tpvalue(int value)
{
    if (assignIfChanged(m_tpvalue, value))
        emit tpvalueChanged(m_tpvalue);
}

void TempProbeStateManager::set_tpNumber(int value)
{
    if (assignIfChanged(m_tpNumber, value))
        emit tpNumberChanged(m_tpNumber);
}

void TempProbeStateManager::set_ignoreErrorsFlag(bool value)
{
    if (assignIfChanged(m_ignoreErrorsFlag, value))
        emit ignoreErrorsFlagChanged(m_ignoreErrorsFlag);
}

void TempProbeStateManager::enterState(int tps)
{
    set_tps(tps);
    stateEntryTime = KivClock::now();
}

void TempProbeStateManager::unknownState_onEntry()
{
    enterState(TPS_UNKNOWN);
    // Unknown is entered once, at start: a flag set later changes nothing.
    if (m_ignoreErrorsFlag)
        emit ignoreErrorsSignal();
}

void TempProbeStateManager::validState_onEntry()
{
    enterState(TPS_VALID);
}

void TempProbeStateManager::tooLowState_onEntry()
{
    enterState(TPS_TOO_LOW);
    errorDelayTimer.start(kErrorCheckIntervalMs);
}

void TempProbeStateManager::tooLowState_onExit()
{
    errorDelayTimer.stop();
}

void TempProbeStateManager::shortedState_onEntry()
{
    enterState(TPS_SHORTED_ERROR);
    emit tpsShortedError();
}

void TempProbeStateManager::tooHighState_onEntry()
{
    enterState(TPS_TOO_HIGH);
    errorDelayTimer.start(kErrorCheckIntervalMs);
}

void TempProbeStateManager::tooHighState_onExit()
{
    errorDelayTimer.stop();
}

void TempProbeStateManager::openedState_onEntry()
{
    enterState(TPS_OPEN_ERROR);
    emit tpsOpenError();
}

void TempProbeStateManager::processNewValue(int value)
{
    if (value <= TPV_SHORTED)
        emit tpsShorted();
    else if (value >= TPV_OPEN)
        emit tpsOpen();
    else
        emit tpsNormal();
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

bool TempProbeStateManager::longEnough4Error()
{
    return stateEntryTime.isValid() && stateEntryTime.secsTo(KivClock::now()) >= kErrorDelaySecs;
}
