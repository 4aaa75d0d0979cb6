#pragma once

#include "kitchenmenu.h"

#include <QByteArray>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

// The menu and the day part the displays of the process-level tests start
// with: patties, chicken and eggs, one pan a bin.
namespace KitchenFiles {

constexpr int kPatty = KitchenMenu::kPatty;     // holds 1800 s
constexpr int kChicken = KitchenMenu::kChicken; // holds 1200 s
constexpr int kEggs = KitchenMenu::kEggs;       // holds 900 s

// A hold may be restarted within five minutes of its end.
inline QByteArray menu()
{
    return KitchenMenu::menu({kPatty, kChicken, kEggs}, [](QJsonObject &p) {
        if (p["productId"].toInt() != 0)
            p["resetTime"] = 300;
    });
}

// One day part, in use, with a product on every bin of the 2x4 cabinet.
inline QByteArray dayParts()
{
    const int products[] = {kPatty, kPatty, kChicken, kChicken, kEggs, kEggs, kPatty, kPatty};
    QJsonArray locations;
    for (int i = 0; i < 8; ++i)
        locations.append(QJsonObject{{"bin", i + 1}, {"productId", products[i]}});
    const QJsonObject dayPart{{"daypartName", QJsonObject{{"eng_USA", "All day"}}},
                              {"inUse", true},
                              {"productLocations", locations}};
    return QJsonDocument(QJsonObject{{"dayPartVersion", 1}, {"layout", QJsonArray{dayPart}}}).toJson();
}

} // namespace KitchenFiles
