#pragma once

#include "fakeiotservices.h"
#include "iot/shadowservices.h"

// A cabinet for the device-shadow back-end: the shared fake plus the values
// only the shadow reads. Every component is there unless a test takes it away.
class FakeShadowServices : public FakeIotServices, public ShadowServices
{
public:
    int availableSources = ConfigStore | CabinetCore | Menus;
    QString menuVer = QStringLiteral("M-7");
    QString menuDesc = QStringLiteral("Breakfast");

    bool available(int sources) const override { return (sources & ~availableSources) == 0; }
    QString menuVersion() const override { return menuVer; }
    QString menuDescription() const override { return menuDesc; }

    // The I/O board's bin list with these bin numbers, in this order.
    void setBinNumbers(const QList<int> &numbers)
    {
        bins.clear();
        for (int number : numbers) {
            BinTemperatures bin;
            bin.binNumber = number;
            bins.append(bin);
        }
    }
    // A menu row for each product, with its pan size text.
    void setPanSizes(const QHash<int, QString> &sizes)
    {
        menu.clear();
        menu.append(MenuRow()); // the empty product 0
        for (auto it = sizes.cbegin(); it != sizes.cend(); ++it) {
            MenuRow row;
            row.id = it.key();
            row.panSizeX = it.value();
            menu.append(row);
        }
    }
};
