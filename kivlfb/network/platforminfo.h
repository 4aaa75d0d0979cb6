#pragma once

#include <QObject>
#include <QString>

// The kernel line and the board-support-package version, for a service
// dialog.
class PlatformInfo : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString osKernel READ get_osKernel WRITE set_osKernel NOTIFY osKernelChanged)
    Q_PROPERTY(QString bspInfo READ get_bspInfo WRITE set_bspInfo NOTIFY bspInfoChanged)

public:
    explicit PlatformInfo(QObject *parent = nullptr);

    QString get_osKernel() const { return m_osKernel; }
    QString get_bspInfo() const { return m_bspInfo; }

    // Both block the caller until the answer is in.
    Q_INVOKABLE void getOsKernelInformation();
    Q_INVOKABLE void getBSPverInformation();

signals:
    void osKernelChanged(QString value);
    void bspInfoChanged(QString value);

public slots:
    void set_osKernel(const QString &value);
    void set_bspInfo(const QString &value);

private:
    QString m_osKernel;
    QString m_bspInfo;
};
