#pragma once

#include "errorinfo.h"

#include <QAbstractListModel>
#include <QHash>
#include <QReadWriteLock>

// The rows of the error log. The error worker fills its own instance in its
// thread; the front copies the rows into the instance the screen shows, in
// the main thread. Every access to the rows holds the model's lock, so the
// copy may read the worker's instance while the worker changes it.
class ErrorInfoModel : public QAbstractListModel
{
    Q_OBJECT

public:
    enum Roles {
        DateRole = Qt::UserRole + 1,
        TimeRole,
        CodesRole,
        DescriptionRole,
    };

    explicit ErrorInfoModel(QObject *parent);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    Q_INVOKABLE QHash<int, QByteArray> roleNames() const override;

    // Column 0 date, 1 time, 2 codes, 3 description; empty when out of range.
    Q_INVOKABLE QVariant getData(int index, int column) const;

    // A copy of row i; an empty row when out of range.
    ErrorInfo rowItem(int i) const;
    // Every row, taken under one lock: a consistent picture even while the
    // owner shrinks or refills the list.
    ErrorInfoList rows() const;

    void clear();
    void addErrorInfo(const ErrorInfo &row);
    // clear(), then the given rows.
    void updateModel(const ErrorInfoList &rows);
    // Becomes a copy of other's rows (other may live in another thread).
    void updateFromModel(const ErrorInfoModel *other);

private:
    static QVariant field(const ErrorInfo &row, int role);

    mutable QReadWriteLock m_lock;
    ErrorInfoList m_rows;
};
