#pragma once

#include "menus/menuimporthost.h"

class CabinetManager;
class ConfigurationManager;
class DayPartManager;
class MenuManager;

// The cabinet core's answers to the menu import and export. The outcome of
// an import is reported on the menu manager, where the IoT side listens.
class CabinetMenuImportHost : public MenuImportHost
{
public:
    CabinetMenuImportHost(CabinetManager *cabinet, ConfigurationManager *config, MenuManager *menus,
                          DayPartManager *dayParts);

    QString flashDrivePath() const override;
    QString serialNumber() const override;
    QByteArray menuJson() const override;
    QByteArray dayPartsExportJson() const override;
    void reportMenuUpdated(const QString &timeStamp, int source, bool success) override;
    void reportCloudUpdateDone(const QString &timeStamp, bool success) override;

private:
    CabinetManager *m_cabinet;
    ConfigurationManager *m_config;
    MenuManager *m_menus;
    DayPartManager *m_dayParts;
};
