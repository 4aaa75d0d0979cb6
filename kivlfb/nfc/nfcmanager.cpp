#include "nfcmanager.h"

NFCmanager::NFCmanager(DayPartManager *dayParts, QList<ZoneManager *> *zones, MenuManager *menus,
                       QObject *parent)
    : QObject(parent)
    , m_dayParts(dayParts)
    , m_zones(zones)
    , m_menus(menus)
{
}

void NFCmanager::deregisterTag2(quint64) {}
void NFCmanager::userRequestsManualTimerStart(quint8) {}
void NFCmanager::adjustTagExpirations(qint64) {}
void NFCmanager::restoreNFC2() {}
void NFCmanager::resetNFC2() {}
void NFCmanager::setAllTagExpirationsToInvalid() {}
void NFCmanager::set_broadcastAddr(QString) {}
void NFCmanager::set_ipAddrToUse(QString) {}
