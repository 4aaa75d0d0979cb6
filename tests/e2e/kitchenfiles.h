#pragma once

#include <QByteArray>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

// The menu and the day part the displays of the process-level tests start
// with: patties, chicken and eggs, one pan a bin.
namespace KitchenFiles {

constexpr int kPatty = 12;   // holds 1800 s
constexpr int kChicken = 14; // holds 1200 s
constexpr int kEggs = 17;    // holds 900 s

inline QByteArray menu()
{
    return R"({
  "menuVersion": 1,
  "products": [
    { "productId": 0, "productName": { "eng_USA": "" }, "holdingTime": 0, "warningTime": 0,
      "lowerTemp": 150, "upperTemp": 160, "fanSpeed": 100, "resetTime": 0, "lidType": "None",
      "bottomType": "Normal", "zoneSplits": "1/2" },
    { "productId": 12, "productName": { "eng_USA": "Patty" }, "holdingTime": 1800,
      "warningTime": 300, "lowerTemp": 150, "upperTemp": 171, "fanSpeed": 80, "resetTime": 300,
      "lidType": "Solid", "bottomType": "Normal", "zoneSplits": "1/2" },
    { "productId": 14, "productName": { "eng_USA": "Chicken" }, "holdingTime": 1200,
      "warningTime": 240, "lowerTemp": 160, "upperTemp": 175, "fanSpeed": 80, "resetTime": 300,
      "lidType": "Vented", "bottomType": "Normal", "zoneSplits": "1/2" },
    { "productId": 17, "productName": { "eng_USA": "Eggs" }, "holdingTime": 900,
      "warningTime": 180, "lowerTemp": 150, "upperTemp": 165, "fanSpeed": 60, "resetTime": 300,
      "lidType": "Solid", "bottomType": "Normal", "zoneSplits": "1/2" }
  ]
})";
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
