#pragma once

#include <QString>

// What the device-shadow back-end reads beyond the services every cloud
// back-end shares (IotServices): the menu's version texts, and whether the
// components behind the values are there at all, so that an operation whose
// components are missing can do nothing instead of reporting made-up values.
class ShadowServices
{
public:
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
};
