#include "mastersync.h"

#include "statemachine/statemachinebuilder.h"

MasterSync::MasterSync(QObject *parent)
    : TarnStateMachine(parent)
{
    buildMachine();
}

void MasterSync::buildMachine()
{
    StateMachineBuilder b(this);
    QState *sync = b.state(this, "sync");
    QState *init = b.state(sync, "init");
    setInitialState(sync);
    sync->setInitialState(init);
}

void MasterSync::set_syncNeeded(bool value)
{
    if (m_syncNeeded == value)
        return;
    m_syncNeeded = value;
    emit syncNeededChanged(m_syncNeeded);
}

void MasterSync::set_syncStatus(const QString &value)
{
    if (m_syncStatus == value)
        return;
    m_syncStatus = value;
    emit syncStatusChanged(m_syncStatus);
}

void MasterSync::set_showCloseButton(bool value)
{
    if (m_showCloseButton == value)
        return;
    m_showCloseButton = value;
    emit showCloseButtonChanged(m_showCloseButton);
}

void MasterSync::set_iAmMaster(bool value)
{
    if (m_iAmMaster == value)
        return;
    m_iAmMaster = value;
    emit iAmMasterChanged(m_iAmMaster);
}

void MasterSync::set_slaveReadyForMaster(bool value)
{
    if (m_slaveReadyForMaster == value)
        return;
    m_slaveReadyForMaster = value;
    emit slaveReadyForMasterChanged(m_slaveReadyForMaster);
}

void MasterSync::set_canbusSilenceSeconds(quint32 value)
{
    if (m_canbusSilenceSeconds == value)
        return;
    m_canbusSilenceSeconds = value;
    emit canbusSilenceSecondsChanged(m_canbusSilenceSeconds);
}

void MasterSync::set_canLinkBroken(bool value)
{
    if (m_canLinkBroken == value)
        return;
    m_canLinkBroken = value;
    emit canLinkBrokenChanged(m_canLinkBroken);
}

void MasterSync::set_slaveUIfound(bool value)
{
    if (m_slaveUIfound == value)
        return;
    m_slaveUIfound = value;
    emit slaveUIfoundChanged(m_slaveUIfound);
    if (m_slaveUIfound)
        emit slaveUIFound();
    else
        emit slaveUINotFound();
}

void MasterSync::incAttemptsCountString() {}
void MasterSync::evaluateCanbusSilence() {}

void MasterSync::sync_onEntry() {}
void MasterSync::sync_onExit() {}
void MasterSync::init_onEntry() {}
void MasterSync::init_onExit() {}
