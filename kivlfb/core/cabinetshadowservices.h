#pragma once

#include "core/cabinetiotservices.h"
#include "iot/shadowservices.h"

// The device-shadow back-end's view of a running cabinet: the shared cloud
// services over the managers it is given, plus the reads only the shadow
// makes.
class CabinetShadowServices : public CabinetIotServices, public ShadowServices
{
    Q_OBJECT

public:
    CabinetShadowServices(CabinetManager *cabinet, ConfigurationManager *config, MenuManager *menus,
                          DayPartManager *dayParts, QObject *parent);

    bool available(int sources) const override;
    QString menuVersion() const override;
    QString menuDescription() const override;

private:
    static Components components(CabinetManager *cabinet, ConfigurationManager *config, MenuManager *menus,
                                 DayPartManager *dayParts);

    QPointer<CabinetManager> m_cabinetCore;
    QPointer<ConfigurationManager> m_configStore;
    QPointer<MenuManager> m_menuModel;
};
