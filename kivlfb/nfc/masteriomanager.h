#pragma once

#include "statemachine/tarnstatemachine.h"

#include <QList>
#include <QString>

class BinInfo;
class CanbusManager;
class NFCmanager;
class QModbusMaster;
class TempProbeStateManager;
class TrayBarSc;
class ZoneManager;

// The primary display's side of the link to the master I/O board and the
// NFC reader boards: set points and fan targets out, temperatures, status
// and tag readings in. Keeps one BinInfo per bin for the screens.
class MasterIoManager : public TarnStateMachine
{
    Q_OBJECT
    Q_PROPERTY(int orientationId READ get_orientationId NOTIFY orientationIdChanged)
    Q_PROPERTY(int iosyscfg READ get_iosyscfg WRITE set_iosyscfg NOTIFY iosyscfgChanged)
    Q_PROPERTY(int ambientTemperature READ get_ambientTemperature WRITE set_ambientTemperature NOTIFY ambientTemperatureChanged)
    Q_PROPERTY(int operatingMode READ get_operatingMode WRITE set_operatingMode NOTIFY operatingModeChanged)
    Q_PROPERTY(QList<QObject *> binInfoList READ get_binInfoListProperty CONSTANT)

public:
    enum PHU_OperationModesTag {
        PHU_MODE_SYSTEM_START_UP = 0,
        PHU_MODE_POWER_UP = 1,
        PHU_MODE_PREHEAT = 2,
        PHU_MODE_ACTIVE_HEATING = 3,
        PHU_MODE_TEMP_VIEW = 4,
        PHU_MODE_SERVICE_TEMP_VIEW = 5,
        PHU_MODE_PROGRAMMING = 6,
        PHU_MODE_DIAGNOSTIC = 7,
        PHU_MAX_MODES = 8
    };
    Q_ENUM(PHU_OperationModesTag)

    // The board addresses bins 0 to 19 whatever the layout, so the list
    // always has that many entries, indexed by bin number.
    static const int kBinCount = 20;

    MasterIoManager(NFCmanager *nfc, QModbusMaster *modbus, CanbusManager *can, int uiId,
                    QList<ZoneManager *> *zones, QList<TrayBarSc *> *trays, int tempHandling,
                    QObject *parent);

    int get_orientationId() const { return m_orientationId; }
    int get_iosyscfg() const { return m_iosyscfg; }
    int get_ambientTemperature() const { return m_ambientTemperature; }
    int get_operatingMode() const { return m_operatingMode; }
    QList<BinInfo *> get_binInfoList() const { return m_binInfoList; }
    QList<QObject *> get_binInfoListProperty() const;
    QList<TempProbeStateManager *> get_tpsmList() const { return m_tpsmList; }
    void set_tpsmList(const QList<TempProbeStateManager *> &list) { m_tpsmList = list; }

    // Board and link queries; real answers come with the I/O-board work.
    Q_INVOKABLE int get_numOfNfcBoards() const;
    Q_INVOKABLE bool getIoCommErrorDetected() const;
    Q_INVOKABLE bool getNfcErrorDetected() const;
    Q_INVOKABLE int eolGetActualTemp(int zone, int heater) const;
    Q_INVOKABLE QString eolGetTempErrorDescription(int zone, int heater) const;
    Q_INVOKABLE bool eolTempTestSingleHeater(int zone, int heater);
    Q_INVOKABLE void eolTempTestAllHeaters(bool on);

signals:
    void orientationIdChanged(int value);
    void iosyscfgChanged(int value);
    void ambientTemperatureChanged(int value);
    void operatingModeChanged(int value);
    // Inputs of the chart.
    void ttSendRequestSignal();
    void nfcReadingStart();

    void errorInfo(int mainCode, int subCode1, int subCode2, int subCode3);
    void errorClearInfo(int mainCode, int subCode1, int subCode2, int subCode3);
    void iobGenStatusChanged(int board, int value);
    void ambientTemperatureAlarm();
    void heaterHighTempAlarm();
    void binTargetTempChanged(int bin, int value);
    void binActualFanSpeedChanged(int bin, int value);
    void binTargetFanSpeedChanged(int bin, int value);
    void systemEnteredPreheat(QString timeStamp);
    void invokeSimpleDialog(QString text, bool show);

public slots:
    void set_iosyscfg(int value);
    void set_ambientTemperature(int value);
    // Emitted on every write: a repeated mode is news to the screens too.
    void set_operatingMode(int value);

    // Out-of-range bins are ignored.
    void setBinTargetTemp(int bin, int temp);
    void setBinInfoListItem(int index, int actualTemp);

    void invokeSimpleDialogSignalEmiter(QString text, bool show);

    // I/O-board behaviour; bodies come with the I/O-board work.
    void requestExitPreheat();
    void slaveEmitBinsTargetTemp();
    void initPreviousUIDs();
    void resetAmbientTempAlarm();
    void sendAllFanTargetsRequest();
    void updateZonesFromBinInfoList();

    void s1_onEntry();
    void s1_onExit();

private:
    void buildMachine();

    int m_orientationId = 0;
    int m_iosyscfg = -1;
    int m_ambientTemperature = 0;
    int m_operatingMode = PHU_MODE_SYSTEM_START_UP;
    QList<BinInfo *> m_binInfoList;
    QList<TempProbeStateManager *> m_tpsmList;

    NFCmanager *m_nfc;
    QModbusMaster *m_modbus;
    CanbusManager *m_can;
    QList<ZoneManager *> *m_zones;
    QList<TrayBarSc *> *m_trays;
    int m_tempHandling;
};
