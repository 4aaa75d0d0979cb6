#include "cabinetmanager.h"

#include <QCoreApplication>
#include <QDebug>
#include <QWidget>

CabinetManager *cabinetManager = nullptr;

CabinetManager::CabinetManager(int simulationFlags, int idConnector, QWidget *parent)
    : QObject(parent)
    , m_simulationFlags(simulationFlags)
    , m_idConnector(idConnector)
{
    setObjectName(QStringLiteral("cabinetManager"));
    qDebug() << "Arguments" << QCoreApplication::arguments();
}

CabinetManager::~CabinetManager() = default;

bool CabinetManager::eventFilter(QObject *watched, QEvent *event)
{
    return QObject::eventFilter(watched, event);
}
