#pragma once

#include <QAbstractListModel>
#include <QList>

// The hidden-tags list: pan tags the registry holds that no bin shows, as
// tag number, bin and product name.
class TagBinModel : public QAbstractListModel
{
    Q_OBJECT

public:
    enum Roles { TagNumRole = Qt::UserRole + 1, BinNumRole, ProdNameRole };

    struct tagbin_struct {
        quint64 tagnum = 0;
        int bin = 0;
        QString prodName;
    };

    explicit TagBinModel(QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QHash<int, QByteArray> roleNames() const override;

    void appendTag(const quint64 &tagnum, int bin, QString prodName);
    void clear();

private:
    QList<tagbin_struct> m_rows;
};
