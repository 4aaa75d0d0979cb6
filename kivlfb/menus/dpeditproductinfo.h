#pragma once

#include <QObject>
#include <QString>

// A product as the day-part editor shows it in a bin.
class DPEditProductInfo : public QObject
{
    Q_OBJECT
    Q_PROPERTY(int pid READ get_pid WRITE set_pid NOTIFY pidChanged)
    Q_PROPERTY(QString pName READ get_pName WRITE set_pName NOTIFY pNameChanged)
    Q_PROPERTY(int holdTemp READ get_holdTemp WRITE set_holdTemp NOTIFY holdTempChanged)
    Q_PROPERTY(int panSize READ get_panSize WRITE set_panSize NOTIFY panSizeChanged)

public:
    explicit DPEditProductInfo(QObject *parent = nullptr);

    int get_pid() const { return m_pid; }
    QString get_pName() const { return m_pName; }
    int get_holdTemp() const { return m_holdTemp; }
    int get_panSize() const { return m_panSize; }

public slots:
    void set_pid(int value);
    void set_pName(const QString &value);
    void set_holdTemp(int value);
    void set_panSize(int value);

signals:
    void pidChanged(int value);
    void pNameChanged(const QString &value);
    void holdTempChanged(int value);
    void panSizeChanged(int value);

private:
    int m_pid = 0;
    QString m_pName = QStringLiteral(" ");
    int m_holdTemp = 0;
    int m_panSize = 1;
};
