#include "systemnetworkmanager.h"

#include "statemachine/statemachinebuilder.h"

SystemNetworkManager::SystemNetworkManager(QObject *parent)
    : TarnStateMachine(parent)
{
    buildMachine();
}

void SystemNetworkManager::buildMachine()
{
    StateMachineBuilder b(this);
    QState *findActiveConnections = b.state(this, "findActiveConnections");
    setInitialState(findActiveConnections);
}

void SystemNetworkManager::scanWifi() {}

void SystemNetworkManager::findActiveConnections_onEntry() {}
void SystemNetworkManager::findActiveConnections_onExit() {}
