#include "errorinfomodel.h"

ErrorInfoModel::ErrorInfoModel(QObject *parent)
    : QAbstractListModel(parent)
{
}

int ErrorInfoModel::rowCount(const QModelIndex &parent) const
{
    if (parent.isValid())
        return 0;
    QReadLocker lock(&m_lock);
    return m_rows.size();
}

QVariant ErrorInfoModel::field(const ErrorInfo &row, int role)
{
    switch (role) {
    case DateRole:
        return row.dateText;
    case TimeRole:
        return row.timeText;
    case CodesRole:
        return row.codesText;
    case DescriptionRole:
        return row.description;
    default:
        return QVariant();
    }
}

QVariant ErrorInfoModel::data(const QModelIndex &index, int role) const
{
    QReadLocker lock(&m_lock);
    if (!index.isValid() || index.row() < 0 || index.row() >= m_rows.size())
        return QVariant();
    return field(m_rows.at(index.row()), role);
}

QHash<int, QByteArray> ErrorInfoModel::roleNames() const
{
    return {
        {DateRole, "date"},
        {TimeRole, "time"},
        {CodesRole, "codes"},
        {DescriptionRole, "desc"},
    };
}

QVariant ErrorInfoModel::getData(int index, int column) const
{
    if (column < 0 || column > DescriptionRole - DateRole)
        return QVariant();
    QReadLocker lock(&m_lock);
    if (index < 0 || index >= m_rows.size())
        return QVariant();
    return field(m_rows.at(index), DateRole + column);
}

ErrorInfo ErrorInfoModel::rowItem(int i) const
{
    QReadLocker lock(&m_lock);
    return m_rows.value(i);
}

ErrorInfoList ErrorInfoModel::rows() const
{
    QReadLocker lock(&m_lock);
    return m_rows;
}

void ErrorInfoModel::clear()
{
    const int count = rowCount();
    if (count == 0)
        return;
    beginRemoveRows(QModelIndex(), 0, count - 1);
    {
        QWriteLocker lock(&m_lock);
        m_rows.clear();
    }
    endRemoveRows();
}

void ErrorInfoModel::addErrorInfo(const ErrorInfo &row)
{
    const int at = rowCount();
    beginInsertRows(QModelIndex(), at, at);
    {
        QWriteLocker lock(&m_lock);
        m_rows.append(row);
    }
    endInsertRows();
}

void ErrorInfoModel::updateModel(const ErrorInfoList &rows)
{
    clear();
    if (rows.isEmpty())
        return;
    beginInsertRows(QModelIndex(), 0, rows.size() - 1);
    {
        QWriteLocker lock(&m_lock);
        m_rows = rows;
    }
    endInsertRows();
}

void ErrorInfoModel::updateFromModel(const ErrorInfoModel *other)
{
    // One snapshot under other's lock: row by row, other could shrink
    // between reading its count and reading its last rows.
    const ErrorInfoList copy = other ? other->rows() : ErrorInfoList();
    beginResetModel();
    {
        QWriteLocker lock(&m_lock);
        m_rows = copy;
    }
    endResetModel();
}
