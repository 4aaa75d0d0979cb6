#include "cabinetshadowservices.h"

#include "config/configurationmanager.h"
#include "core/cabinetmanager.h"
#include "core/zonemanager.h"
#include "menus/menumanager.h"
#include "nfc/bininfo.h"
#include "nfc/masteriomanager.h"

CabinetShadowServices::CabinetShadowServices(CabinetManager *cabinet, ConfigurationManager *config,
                                             MenuManager *menus, QObject *parent)
    : CabinetIotServices(cabinet, config, menus, nullptr, parent)
    , m_cabinetCore(cabinet)
    , m_configStore(config)
    , m_menuModel(menus)
{
}

bool CabinetShadowServices::available(int sources) const
{
    return (!(sources & ConfigStore) || m_configStore) && (!(sources & CabinetCore) || m_cabinetCore)
        && (!(sources & Menus) || m_menuModel);
}

QString CabinetShadowServices::menuVersion() const
{
    return m_configStore ? m_configStore->get_menuVersion() : QString();
}

QString CabinetShadowServices::menuDescription() const
{
    return m_configStore ? m_configStore->get_menuDescription() : QString();
}

QString CabinetShadowServices::iotSoftwareVersion() const
{
    return m_configStore ? m_configStore->get_iotSoftwareVersion() : QString();
}

QString CabinetShadowServices::ioBoardFirmwareVersion() const
{
    return m_configStore ? m_configStore->get_ioBoardFirmwareVersion0() : QString();
}

QString CabinetShadowServices::readerFirmwareVersion() const
{
    return m_configStore ? m_configStore->get_readerFirmwareVersion1() : QString();
}

int CabinetShadowServices::customerId() const { return m_cabinetCore ? m_cabinetCore->get_customerId() : 0; }
int CabinetShadowServices::traysPerCabinet() const { return m_cabinetCore ? m_cabinetCore->get_traysPerCabinet() : 0; }
int CabinetShadowServices::traysPerZone() const { return m_cabinetCore ? m_cabinetCore->get_traysPerZone() : 0; }
int CabinetShadowServices::trayState(int bin) const { return m_cabinetCore ? m_cabinetCore->get_trayState(bin) : 0; }

QList<int> CabinetShadowServices::binNumbers() const
{
    QList<int> numbers;
    const auto *io = m_cabinetCore ? m_cabinetCore->findChild<MasterIoManager *>(QStringLiteral("masterIoManager"))
                                   : nullptr;
    if (io) {
        const QList<BinInfo *> bins = io->get_binInfoList();
        for (const BinInfo *bin : bins)
            numbers << (bin ? bin->get_binNumber() : 0);
    }
    return numbers;
}

bool CabinetShadowServices::zoneTemperatures(int zone, QList<int> *target, QList<int> *actual) const
{
    if (!m_cabinetCore || zone < 0 || zone > 0xff)
        return false;
    const ZoneManager *manager = m_cabinetCore->getZonePtr(uchar(zone));
    if (!manager)
        return false;
    *target = manager->get_targetTempsList();
    *actual = manager->get_actualTempsList();
    return true;
}

QString CabinetShadowServices::productName(int productId) const
{
    return m_menuModel ? m_menuModel->getProductName(productId).toString() : QString();
}

QString CabinetShadowServices::productPanSizeText(int productId) const
{
    return m_menuModel ? m_menuModel->getProductPanSizeX(m_menuModel->getProductIndex(productId)).toString()
                       : QString();
}
