#include "eoltesting.h"

#include "property/assignifchanged.h"

#include "statemachine/statemachinebuilder.h"

EolTesting::EolTesting(QObject *parent)
    : TarnStateMachine(parent)
{
    buildMachine();
}

void EolTesting::buildMachine()
{
    StateMachineBuilder b(this);
    QState *idle = b.state(this, "idle");
    setInitialState(idle);
}

void EolTesting::setEolTestStarted(bool value)
{
    if (assignIfChanged(m_eolTestStarted, value))
        emit eolTestStartedChanged(m_eolTestStarted);
}

void EolTesting::startUdpbroadcast()
{
    emit udpBroadCastStartReq();
}

void EolTesting::idle_onEntry() {}
void EolTesting::idle_onExit() {}
