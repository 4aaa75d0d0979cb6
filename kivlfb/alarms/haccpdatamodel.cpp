#include "haccpdatamodel.h"

#include <QDebug>

HaccpDataModel::HaccpDataModel(QObject *parent)
    : QAbstractListModel(parent)
{
    m_roleNames[NameRole] = "name";
    m_roleNames[DateRole] = "date";
    m_roleNames[TimeRole] = "time";
    m_roleNames[DurationRole] = "duration";
    m_roleNames[ExpiredRole] = "expired";
    m_roleNames[BinNumberRole] = "binNumber";
}

int HaccpDataModel::rowCount(const QModelIndex &) const
{
    return m_rows.size();
}

QVariant HaccpDataModel::field(int row, int role) const
{
    if (row < 0 || row >= m_rows.size())
        return QVariant();
    const HaccpData &r = m_rows.at(row);
    switch (role) {
    case NameRole:
        return r.name;
    case DateRole:
        return r.date;
    case TimeRole:
        return r.time;
    case DurationRole:
        return r.duration;
    case ExpiredRole:
        return r.expired;
    case BinNumberRole:
        return r.binNumber;
    default:
        qDebug().noquote() << "No role selected! --" << role;
        return QVariant();
    }
}

QVariant HaccpDataModel::data(const QModelIndex &index, int role) const
{
    return field(index.row(), role);
}

QVariant HaccpDataModel::getData(int index, int column) const
{
    return field(index, NameRole + column);
}

QHash<int, QByteArray> HaccpDataModel::roleNames() const
{
    return m_roleNames;
}

void HaccpDataModel::setHaccpData(const HaccpDataList &rows)
{
    beginResetModel();
    m_rows = rows;
    endResetModel();
}
