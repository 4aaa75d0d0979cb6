#include "wifimonitor.h"

#include "property/assignifchanged.h"

#include "statemachine/statemachinebuilder.h"

WifiMonitor::WifiMonitor(ConfigurationManager *config, QObject *parent)
    : TarnStateMachine(parent)
    , m_config(config)
{
    m_wifiStatsDataLog.setObjectName(QStringLiteral("wifiStatsDataLog"));
    buildMachine();
}

void WifiMonitor::buildMachine()
{
    StateMachineBuilder b(this);
    QState *wifiNotEnabledState = b.state(this, "wifiNotEnabledState");
    setInitialState(wifiNotEnabledState);
}

void WifiMonitor::set_wifiGateway(const QString &value)
{
    if (assignIfChanged(m_wifiGateway, value))
        emit wifiGatewayChanged(m_wifiGateway);
}

void WifiMonitor::wifiNotEnabledState_onEntry() {}
void WifiMonitor::wifiNotEnabledState_onExit() {}
