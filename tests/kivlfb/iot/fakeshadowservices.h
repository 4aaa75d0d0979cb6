#pragma once

#include "fakeiotservices.h"
#include "iot/shadowservices.h"

#include <QHash>
#include <QList>
#include <QPair>

// A cabinet for the device-shadow back-end: the shared fake plus the values
// only the shadow reads. Every component is there unless a test takes it away.
class FakeShadowServices : public FakeIotServices, public ShadowServices
{
public:
    int availableSources = ConfigStore | CabinetCore | Menus;
    QString menuVer = QStringLiteral("M-7");
    QString menuDesc = QStringLiteral("Breakfast");
    QString iotSw = QStringLiteral("iot-2.1");
    QString ioFw = QStringLiteral("io-3.0");
    QString readerFw = QStringLiteral("rd-1.4");
    int customer = 3;
    int traysCabinet = 6;
    int traysZone = 3;
    QHash<int, int> states;
    QList<int> bins = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19};
    QHash<int, QPair<QList<int>, QList<int>>> zones; // zone -> (targets, actuals)
    QHash<int, QString> names;
    QHash<int, QString> panSizes;

    bool available(int sources) const override { return (sources & ~availableSources) == 0; }
    QString menuVersion() const override { return menuVer; }
    QString menuDescription() const override { return menuDesc; }
    QString iotSoftwareVersion() const override { return iotSw; }
    QString ioBoardFirmwareVersion() const override { return ioFw; }
    QString readerFirmwareVersion() const override { return readerFw; }
    int customerId() const override { return customer; }
    int traysPerCabinet() const override { return traysCabinet; }
    int traysPerZone() const override { return traysZone; }
    int trayState(int bin) const override { return states.value(bin); }
    QList<int> binNumbers() const override { return bins; }
    bool zoneTemperatures(int zone, QList<int> *target, QList<int> *actual) const override
    {
        if (!zones.contains(zone))
            return false;
        *target = zones.value(zone).first;
        *actual = zones.value(zone).second;
        return true;
    }
    QString productName(int productId) const override { return names.value(productId); }
    QString productPanSizeText(int productId) const override { return panSizes.value(productId); }
};
