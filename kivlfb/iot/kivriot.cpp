#include "kivriot.h"

KivRiot::KivRiot(QObject *parent)
    : QObject(parent)
{
}

void KivRiot::checkModelSerialUpdates() {}
void KivRiot::handleReceivedRiotInfo(QString) {}

void KivRiot::handle_event_powerOn() {}
void KivRiot::handle_event_performanceData() {}
void KivRiot::handle_event_holdStart(QString, QString, QString, int, QString) {}
void KivRiot::handle_event_holdStop(QString, QString, QString, int, QString, int) {}
void KivRiot::handle_event_holdExpired(QString, QString, QString, int) {}
void KivRiot::handle_event_binMisMatchAlert(QString, QString, QString, int, QString) {}
void KivRiot::handle_event_binMisMatchClear(QString, QString, QString, int, QString) {}
void KivRiot::handle_event_holdingListChange(QString) {}
void KivRiot::handle_event_daypartChange(QString, int, int, int) {}
void KivRiot::handle_event_preheatComplete(QString, int, int) {}
void KivRiot::handle_event_zonePreheatStart(QString, int) {}
void KivRiot::handle_event_preheatStart(QString) {}
void KivRiot::handle_event_passcodeChange(QString) {}
void KivRiot::handle_event_passcodeEntered(QString, int, bool) {}
void KivRiot::handle_event_programModeExit(QString, int) {}
void KivRiot::handle_event_restaurantNumberUpdated(QString, QString) {}
void KivRiot::handle_event_firmwareUpdated(QString, QString, QString, int, bool) {}
void KivRiot::handle_event_performanceDataInterval(int) {}
void KivRiot::handle_event_iotSettings(QString) {}
void KivRiot::handle_event_panRemoved(qlonglong, int, qulonglong, int) {}
void KivRiot::handle_event_panReturned(qlonglong, int, qulonglong, int) {}
void KivRiot::handle_event_transfer(qlonglong, int, qulonglong, int) {}
void KivRiot::handle_event_languageChange(int) {}
void KivRiot::handle_event_menuUpdated(QString, int, bool) {}
void KivRiot::handle_event_error(QString, QString, QString, QString) {}
