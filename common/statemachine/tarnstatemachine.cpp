#include "tarnstatemachine.h"

TarnStateMachine::TarnStateMachine(QObject *parent)
    : QStateMachine(parent)
{
    connect(this, &QStateMachine::started, this, &TarnStateMachine::set_isRunningTrue);
    connect(this, &QStateMachine::stopped, this, &TarnStateMachine::set_isRunningFalse);
}

void TarnStateMachine::set_isRunningTrue()
{
    m_running = true;
    emit isRunningChanged(true);
}

void TarnStateMachine::set_isRunningFalse()
{
    m_running = false;
    emit isRunningChanged(false);
}
