#include "cabinetshadowservices.h"

#include "config/configurationmanager.h"
#include "core/cabinetmanager.h"
#include "menus/menumanager.h"
#include "nfc/masteriomanager.h"

CabinetShadowServices::CabinetShadowServices(CabinetManager *cabinet, ConfigurationManager *config,
                                             MenuManager *menus, DayPartManager *dayParts, QObject *parent)
    : CabinetIotServices(components(cabinet, config, menus, dayParts), parent)
    , m_cabinetCore(cabinet)
    , m_configStore(config)
    , m_menuModel(menus)
{
}

// The I/O board link is the cabinet's own child; the shadow is handed the
// cabinet only.
CabinetIotServices::Components CabinetShadowServices::components(CabinetManager *cabinet,
                                                                 ConfigurationManager *config, MenuManager *menus,
                                                                 DayPartManager *dayParts)
{
    Components parts;
    parts.cabinet = cabinet;
    parts.config = config;
    parts.menus = menus;
    parts.dayParts = dayParts;
    parts.io = cabinet ? cabinet->findChild<MasterIoManager *>(QStringLiteral("masterIoManager")) : nullptr;
    return parts;
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
