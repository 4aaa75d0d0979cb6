#include "cabinetmenuimporthost.h"

#include "config/configurationmanager.h"
#include "core/cabinetmanager.h"
#include "menus/daypartmanager.h"
#include "menus/menumanager.h"

CabinetMenuImportHost::CabinetMenuImportHost(CabinetManager *cabinet, ConfigurationManager *config,
                                             MenuManager *menus, DayPartManager *dayParts)
    : m_cabinet(cabinet)
    , m_config(config)
    , m_menus(menus)
    , m_dayParts(dayParts)
{
}

QString CabinetMenuImportHost::flashDrivePath() const { return m_cabinet->readFlashDrivePath(); }

QString CabinetMenuImportHost::serialNumber() const { return m_config ? m_config->get_serialNumber() : QString(); }

QByteArray CabinetMenuImportHost::menuJson() const { return m_menus->menuDataModelToJson(); }

QByteArray CabinetMenuImportHost::dayPartsExportJson() const { return m_dayParts->dayPartsInfoToJson(false); }

void CabinetMenuImportHost::reportMenuUpdated(const QString &timeStamp, int source, bool success)
{
    emit m_menus->notifyMenuUpdated(timeStamp, source, success);
}

void CabinetMenuImportHost::reportCloudUpdateDone(const QString &timeStamp, bool success)
{
    emit m_menus->notifyCloudUpdateDone(timeStamp, success);
}
