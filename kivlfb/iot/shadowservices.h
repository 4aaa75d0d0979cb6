#pragma once

#include <QList>
#include <QString>

// What the device-shadow back-end reads of the cabinet beyond the services
// every cloud back-end shares (IotServices): menu and firmware versions,
// tray counts and states, the I/O board's bin list, zone temperatures and
// menu texts. Like IotServices it is asked afresh for every message.
class ShadowServices
{
public:
    // The components behind the values, for a back-end to check before it
    // builds a message that needs them.
    enum Source {
        ConfigStore = 0x1,
        CabinetCore = 0x2,
        Menus = 0x4,
    };

    virtual ~ShadowServices() = default;

    // True when every component named in sources (a mask of Source) is there.
    virtual bool available(int sources) const = 0;

    // Configuration store.
    virtual QString menuVersion() const = 0;
    virtual QString menuDescription() const = 0;
    virtual QString iotSoftwareVersion() const = 0;
    virtual QString ioBoardFirmwareVersion() const = 0;
    virtual QString readerFirmwareVersion() const = 0;

    // Cabinet core.
    virtual int customerId() const = 0;
    virtual int traysPerCabinet() const = 0;
    virtual int traysPerZone() const = 0;
    virtual int trayState(int bin) const = 0;
    // The bin numbers of the I/O board's bin list, in its order.
    virtual QList<int> binNumbers() const = 0;
    // A zone's set points and measured temperatures (lower heater first);
    // false when the cabinet has no such zone.
    virtual bool zoneTemperatures(int zone, QList<int> *target, QList<int> *actual) const = 0;

    // Menu, by product id.
    virtual QString productName(int productId) const = 0;
    virtual QString productPanSizeText(int productId) const = 0;
};
