#pragma once

#include <QByteArray>
#include <QString>

// What the menu import and export need of the cabinet they serve: the flash
// drive, the serial number, the menu and day parts to export, and where the
// outcome of an import is reported (the IoT side listens there). The
// cabinet core answers through CabinetMenuImportHost. Standing alone, there
// is no drive to export to and nothing to report to.
class MenuImportHost
{
public:
    virtual ~MenuImportHost() = default;

    // The flash drive's folder as a path of the target, with its trailing
    // "/"; empty when there is none.
    virtual QString flashDrivePath() const { return QString(); }
    virtual QString serialNumber() const { return QString(); }
    // "menu.json" and the export form of "dayParts.json", as documents.
    virtual QByteArray menuJson() const { return QByteArray(); }
    virtual QByteArray dayPartsExportJson() const { return QByteArray(); }

    // source: 2 for the start-up import of a waiting menu, 0 otherwise.
    virtual void reportMenuUpdated(const QString & /*timeStamp*/, int /*source*/, bool /*success*/) {}
    virtual void reportCloudUpdateDone(const QString & /*timeStamp*/, bool /*success*/) {}
};
