#include "tagbinmodel.h"

TagBinModel::TagBinModel(QObject *parent)
    : QAbstractListModel(parent)
{
}

int TagBinModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_rows.size();
}

QVariant TagBinModel::data(const QModelIndex &index, int role) const
{
    if (index.row() < 0 || index.row() >= m_rows.size())
        return QVariant();
    const tagbin_struct &row = m_rows.at(index.row());
    switch (role) {
    case TagNumRole:
        return QString::number(row.tagnum, 16);
    case BinNumRole:
        return row.bin;
    case ProdNameRole:
        return row.prodName;
    default:
        return QVariant();
    }
}

QHash<int, QByteArray> TagBinModel::roleNames() const
{
    return {{TagNumRole, "tagnum"}, {BinNumRole, "binNum"}, {ProdNameRole, "prodName"}};
}

void TagBinModel::appendTag(const quint64 &tagnum, int bin, QString prodName)
{
    const int row = m_rows.size();
    beginInsertRows(QModelIndex(), row, row);
    m_rows.append({tagnum, bin, prodName});
    endInsertRows();
}

void TagBinModel::clear()
{
    if (m_rows.isEmpty())
        return;
    beginRemoveRows(QModelIndex(), 0, m_rows.size() - 1);
    m_rows.clear();
    endRemoveRows();
}
