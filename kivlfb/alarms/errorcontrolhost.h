#pragma once

#include <QString>

// What error control needs of the display it runs on: its role in the
// cabinet, the number of zones (the thermocouples to watch), the serial
// number for the export, and the three CAN messages that carry reports,
// clears and "delete all logs" to the other displays. The cabinet core
// answers through CabinetErrorControlHost; tests give a fake with any role.
// Standing alone, every question gets a neutral answer and every send is
// dropped.
//
// The role questions are asked from the error worker's thread: their
// answers are fixed once the display has started. The serial number and the
// sends are asked for on the main thread only.
class ErrorControlHost
{
public:
    enum UiRole { NoRole = 0, PrimaryRole = 1, SecondaryRole = 2, MirrorRole = 3 };

    virtual ~ErrorControlHost() = default;

    virtual int uiRole() const { return NoRole; }
    virtual bool iAmMaster() const { return false; }
    virtual bool hasMirrorDisplay() const { return false; }
    virtual bool hasSecondaryDisplay() const { return false; }
    virtual int numberOfZones() const { return 0; }

    virtual QString serialNumber() const { return QString(); }
    virtual void sendErrorInfo(int /*mainCode*/, int /*subCode1*/, int /*subCode2*/, int /*subCode3*/) {}
    virtual void sendErrorClearInfo(int /*mainCode*/, int /*subCode1*/, int /*subCode2*/, int /*subCode3*/) {}
    virtual void sendClearAllErrorInfo() {}
};
