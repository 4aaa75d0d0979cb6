#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QList>

#include <functional>

// The menu file ("/root/menu.json") that whole-display tests load: the
// empty product 0 and the products asked for, from a small kitchen:
//   12 Patty    holds 1800 s, warns 300 s before the end
//    7 Nuggets  holds  900 s, warns 600 s
//   14 Chicken  holds 1200 s, warns 240 s
//   17 Eggs     holds  900 s, warns 180 s
// edit, when given, changes each product object further (product 0 too;
// look at "productId").
namespace KitchenMenu {

constexpr int kPatty = 12;
constexpr int kNuggets = 7;
constexpr int kChicken = 14;
constexpr int kEggs = 17;

QByteArray menu(const QList<int> &productIds = {kPatty},
                const std::function<void(QJsonObject &)> &edit = {});

} // namespace KitchenMenu
