#pragma once

#include "haccpdata.h"

#include <QAbstractListModel>
#include <QHash>

// The rows of the last HACCP log read, for the holding-log screen.
class HaccpDataModel : public QAbstractListModel
{
    Q_OBJECT

public:
    enum Roles {
        NameRole = Qt::UserRole + 1,
        DateRole,
        TimeRole,
        DurationRole,
        ExpiredRole,
        BinNumberRole,
    };

    explicit HaccpDataModel(QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role) const override;

    // Replaces every row in one step, so views never see a half-filled list.
    void setHaccpData(const HaccpDataList &rows);

public slots:
    // Column 0 to 5: name, date, time, duration, expired, bin number.
    QVariant getData(int index, int column) const;
    QHash<int, QByteArray> roleNames() const override;

private:
    QVariant field(int row, int role) const;

    HaccpDataList m_rows;
    QHash<int, QByteArray> m_roleNames;
};
