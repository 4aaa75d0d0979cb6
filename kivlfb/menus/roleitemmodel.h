#pragma once

#include <QHash>
#include <QStandardItemModel>
#include <QVariantMap>

// The item model behind the lists that the program fills for the screens.
// Rows are records and the columns are named roles: the delegates read a
// role by name, the program reads a whole row as a map from role name to
// value (column 0, one entry per role).
class RoleItemModel : public QStandardItemModel
{
    Q_OBJECT

public:
    explicit RoleItemModel(const QHash<int, QByteArray> &roleNames, QObject *parent = nullptr);

    // Every role of the model's table becomes one entry, also where the row
    // has no data for it (an invalid value); a row outside the model gives
    // invalid values throughout.
    static QVariantMap getModelData(const QAbstractItemModel *model, int row);

    Q_INVOKABLE QVariantMap getXYZ(int row) const { return getModelData(this, row); }
};
