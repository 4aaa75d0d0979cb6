#pragma once

#include "alarms/errorcontrolhost.h"

#include <QObject>

class CabinetManager;

// The cabinet core's answers to error control: the display's role and zones
// from the cabinet, the serial number from its configuration store, and the
// three error messages of the CAN catalogue. A child of the cabinet, which
// stops the error worker before it lets its children go.
class CabinetErrorControlHost : public QObject, public ErrorControlHost
{
    Q_OBJECT

public:
    explicit CabinetErrorControlHost(CabinetManager *cabinet);

    int uiRole() const override;
    bool iAmMaster() const override;
    bool hasMirrorDisplay() const override;
    bool hasSecondaryDisplay() const override;
    int numberOfZones() const override;

    QString serialNumber() const override;
    void sendErrorInfo(int mainCode, int subCode1, int subCode2, int subCode3) override;
    void sendErrorClearInfo(int mainCode, int subCode1, int subCode2, int subCode3) override;
    void sendClearAllErrorInfo() override;

private:
    CabinetManager *m_cabinet;
};
