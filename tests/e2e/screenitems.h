#pragma once

#include <QList>
#include <QString>

class QQuickItem;

// Finding what a person sees on a display's main window: items by object
// name, or "type:T" for an item made from T.qml, along a path "outer/inner"
// (inner searched below outer), visible and standing on the panel.
namespace ScreenItems {

// The visible items matching `name` below `root`, in the visual tree (where
// screens made by loaders, hosts and repeaters live), in drawing order.
void collect(QQuickItem *root, const QString &name, QList<QQuickItem *> &found);

// The visible item at `path` whose middle lies on the panel; the last one
// found stands on top. Null when there is none, or no panel.
QQuickItem *findNow(QQuickItem *panel, const QString &path);

} // namespace ScreenItems
