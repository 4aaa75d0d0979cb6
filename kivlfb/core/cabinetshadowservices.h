#pragma once

#include "core/cabinetiotservices.h"
#include "iot/shadowservices.h"

// The device-shadow back-end's view of a running cabinet: the shared cloud
// services plus the reads only the shadow makes, each straight from the
// component that owns the value. A missing component reads as empty or 0.
class CabinetShadowServices : public CabinetIotServices, public ShadowServices
{
    Q_OBJECT

public:
    CabinetShadowServices(CabinetManager *cabinet, ConfigurationManager *config, MenuManager *menus,
                          QObject *parent);

    bool available(int sources) const override;

    QString menuVersion() const override;
    QString menuDescription() const override;
    QString iotSoftwareVersion() const override;
    QString ioBoardFirmwareVersion() const override;
    QString readerFirmwareVersion() const override;

    int customerId() const override;
    int traysPerCabinet() const override;
    int traysPerZone() const override;
    int trayState(int bin) const override;
    QList<int> binNumbers() const override;
    bool zoneTemperatures(int zone, QList<int> *target, QList<int> *actual) const override;

    QString productName(int productId) const override;
    QString productPanSizeText(int productId) const override;

private:
    QPointer<CabinetManager> m_cabinetCore;
    QPointer<ConfigurationManager> m_configStore;
    QPointer<MenuManager> m_menuModel;
};
