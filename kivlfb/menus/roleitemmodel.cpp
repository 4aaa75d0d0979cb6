#include "roleitemmodel.h"

RoleItemModel::RoleItemModel(const QHash<int, QByteArray> &roleNames, QObject *parent)
    : QStandardItemModel(parent)
{
    setItemRoleNames(roleNames);
}

QVariantMap RoleItemModel::getModelData(const QAbstractItemModel *model, int row)
{
    QVariantMap map;
    if (!model)
        return map;
    const QModelIndex index = model->index(row, 0);
    const QHash<int, QByteArray> roles = model->roleNames();
    for (auto it = roles.cbegin(); it != roles.cend(); ++it) {
        // Role names are plain ASCII; a stray zero byte ends the name.
        map.insert(QString::fromLatin1(it.value().constData()), model->data(index, it.key()));
    }
    return map;
}
