#pragma once

#include <QList>
#include <QObject>
#include <QPair>
#include <QString>

// The parent a configuration store is built under in a test: the cabinet
// facts it reads as properties and the cabinet services it calls by name
// (the USB drive, the CAN file transfer, the primary flag, the settings
// message), each recorded for the test to check.
class StoreCabinet : public QObject
{
    Q_OBJECT
    Q_PROPERTY(int customerId MEMBER customerId)

public:
    int customerId = 0;
    bool configured = true;
    bool driveMounted = true;
    bool iAmMaster = false;
    int settingsSent = 0;
    QList<QPair<QString, int>> sentFiles;

public slots:
    bool get_isConfigured() const { return configured; }
    bool isFlashDriveMounted() const { return driveMounted; }
    QString readFlashDrivePath() const { return QStringLiteral("/media/sda1/"); }
    void sendFileViaCanbus(QString path, int fileTxfId) { sentFiles << qMakePair(path, fileTxfId); }
    void set_iAmMaster(bool value) { iAmMaster = value; }
    void sendConfigSettingsData() { ++settingsSent; }
};
