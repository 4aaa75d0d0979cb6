#include "screenitems.h"

#include <QMetaObject>
#include <QQuickItem>
#include <QQuickWindow>

namespace {

bool matches(const QQuickItem *item, const QString &name)
{
    if (name.startsWith(QLatin1String("type:")))
        return QString::fromLatin1(item->metaObject()->className()).startsWith(name.mid(5) + QLatin1String("_QMLTYPE"));
    return item->objectName() == name;
}

} // namespace

namespace ScreenItems {

void collect(QQuickItem *root, const QString &name, QList<QQuickItem *> &found)
{
    if (!root || !root->isVisible())
        return;
    if (matches(root, name))
        found.append(root);
    const QList<QQuickItem *> children = root->childItems();
    for (QQuickItem *child : children)
        collect(child, name, found);
}

QQuickItem *findNow(QQuickItem *panel, const QString &path)
{
    if (!panel || !panel->window())
        return nullptr;
    QList<QQuickItem *> scope{panel->window()->contentItem()};
    for (const QString &name : path.split(QLatin1Char('/'))) {
        QList<QQuickItem *> found;
        for (QQuickItem *root : scope)
            collect(root, name, found);
        scope = found;
    }
    const QRectF screen(0, 0, panel->width(), panel->height());
    for (int i = scope.size() - 1; i >= 0; --i) {
        QQuickItem *item = scope.at(i);
        if (screen.contains(panel->mapFromItem(item, QPointF(item->width() / 2, item->height() / 2))))
            return item;
    }
    return nullptr;
}

} // namespace ScreenItems
