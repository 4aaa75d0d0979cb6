#include "kitchenmenu.h"

#include <QJsonArray>
#include <QJsonDocument>

namespace {

QJsonObject product(int id, const char *name, int holdingTime, int warningTime, int lowerTemp,
                    int upperTemp, int fanSpeed, const char *lidType, const char *bottomType,
                    const char *zoneSplits)
{
    return QJsonObject{{"productId", id},
                       {"productName", QJsonObject{{"eng_USA", name}}},
                       {"holdingTime", holdingTime},
                       {"warningTime", warningTime},
                       {"lowerTemp", lowerTemp},
                       {"upperTemp", upperTemp},
                       {"fanSpeed", fanSpeed},
                       {"resetTime", 0},
                       {"lidType", lidType},
                       {"bottomType", bottomType},
                       {"zoneSplits", zoneSplits}};
}

QJsonObject kitchenProduct(int id)
{
    using namespace KitchenMenu;
    switch (id) {
    case kPatty:
        return product(id, "Patty", 1800, 300, 150, 171, 80, "Solid", "Normal", "1/2");
    case kNuggets:
        return product(id, "Nuggets", 900, 600, 160, 180, 60, "Vented", "Rack", "1/1");
    case kChicken:
        return product(id, "Chicken", 1200, 240, 160, 175, 80, "Vented", "Normal", "1/2");
    case kEggs:
        return product(id, "Eggs", 900, 180, 150, 165, 60, "Solid", "Normal", "1/2");
    default:
        return product(0, "", 0, 0, 150, 160, 100, "None", "Normal", "1/2");
    }
}

} // namespace

QByteArray KitchenMenu::menu(const QList<int> &productIds, const std::function<void(QJsonObject &)> &edit)
{
    QJsonArray products;
    for (int id : QList<int>{0} + productIds) {
        QJsonObject p = kitchenProduct(id);
        if (edit)
            edit(p);
        products.append(p);
    }
    return QJsonDocument(QJsonObject{{"menuVersion", 1}, {"products", products}}).toJson();
}
