#include "tavolenproxy.h"

#include "statemachine/statemachinebuilder.h"

#include <QStringListModel>

TavolenProxy::TavolenProxy(QObject *parent)
    : TarnStateMachine(parent)
    , m_filesModel(new QStringListModel(this))
{
    m_filesModel->setObjectName(QStringLiteral("mcImportFilesModel"));
    buildMachine();
}

void TavolenProxy::buildMachine()
{
    StateMachineBuilder b(this);
    QState *findMcFile = b.state(this, "findMcFile");
    setInitialState(findMcFile);
}

void TavolenProxy::processSlaveFoundSignal(bool) {}

void TavolenProxy::findMcFile_onEntry() {}
void TavolenProxy::findMcFile_onExit() {}
