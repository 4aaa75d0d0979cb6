#pragma once

#include "nfc/ioboardlayout.h"
#include "statemachine/tarnstatemachine.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <QTimer>

class BinInfo;
class MbHrInfo;
class CanbusManager;
class NFCmanager;
class NfcTagItem2;
class PanTagHost;
class QModbusMaster;
class QState;
class QModbusPollInfo;
class TempProbeStateManager;
class TrayBarSc;
class ZoneManager;

// The primary display's side of the link to the master I/O board (Modbus
// slave 1): sets the board's configuration, leaves preheat, sends set points
// and fan targets, polls temperatures, status words, fans, board
// temperatures and the power line, raises the alarms and error reports that
// follow, and feeds the zones, the probe managers and the other displays.
// Keeps one BinInfo per bin for the screens.
class MasterIoManager : public TarnStateMachine
{
    Q_OBJECT
    Q_PROPERTY(int orientationId READ get_orientationId NOTIFY orientationIdChanged)
    Q_PROPERTY(int iosyscfg READ get_iosyscfg WRITE set_iosyscfg NOTIFY iosyscfgChanged)
    Q_PROPERTY(int ambientTemperature READ get_ambientTemperature WRITE set_ambientTemperature NOTIFY ambientTemperatureChanged)
    Q_PROPERTY(int operatingMode READ get_operatingMode WRITE set_operatingMode NOTIFY operatingModeChanged)
    Q_PROPERTY(QList<QObject *> binInfoList READ get_binInfoListProperty CONSTANT)
    Q_PROPERTY(QList<QObject *> zoneSetPointList READ get_zoneSetPointList CONSTANT)
    Q_PROPERTY(QList<QObject *> mbioRawInfoList READ get_mbioRawInfoListProperty CONSTANT)
    Q_PROPERTY(int iobGenStatus1 READ get_iobGenStatus1 WRITE set_iobGenStatus1 NOTIFY iobGenStatus1Changed)
    Q_PROPERTY(int iobGenStatus2 READ get_iobGenStatus2 WRITE set_iobGenStatus2 NOTIFY iobGenStatus2Changed)
    Q_PROPERTY(int iobGenStatus3 READ get_iobGenStatus3 WRITE set_iobGenStatus3 NOTIFY iobGenStatus3Changed)
    Q_PROPERTY(int iobGenStatus4 READ get_iobGenStatus4 WRITE set_iobGenStatus4 NOTIFY iobGenStatus4Changed)
    Q_PROPERTY(int iobGenStatus5 READ get_iobGenStatus5 WRITE set_iobGenStatus5 NOTIFY iobGenStatus5Changed)
    Q_PROPERTY(bool pendingTTSF READ get_pendingTTSF WRITE set_pendingTTSF NOTIFY pendingTTSFChanged)
    Q_PROPERTY(double lineVoltage READ get_lineVoltage WRITE set_lineVoltage NOTIFY lineVoltageChanged)
    Q_PROPERTY(double lineCurrent READ get_lineCurrent WRITE set_lineCurrent NOTIFY lineCurrentChanged)
    Q_PROPERTY(double lineFrequency READ get_lineFrequency WRITE set_lineFrequency NOTIFY lineFrequencyChanged)
    Q_PROPERTY(bool nfcAccsTestEnabled READ get_nfcAccsTestEnabled WRITE set_nfcAccsTestEnabled NOTIFY nfcAccsTestEnabledChanged)

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
    static constexpr int kBinCount = 20;
    static constexpr int kIoBoardSlave = 1;
    static constexpr int kStatusWords = 5;

    // Poll periods and the alarm rules' limits.
    static constexpr int kZoneMonitorIntervalMs = 2000;
    static constexpr int kGenStatusIntervalMs = 1500;
    static constexpr int kGenStatusSlowIntervalMs = 6000;
    static constexpr int kSetPointDebounceMs = 500;
    static constexpr int kFanTargetDelayMs = 500;
    static constexpr int kFanActualsIntervalMs = 1000;
    static constexpr int kBoardTempsIntervalMs = 1000;
    static constexpr int kPowerLineFirstDelayMs = 30000;
    static constexpr int kPowerLineIntervalMs = 2000;
    static constexpr int kPreheatEventDelayMs = 3000;
    static constexpr int kHeaterHighReadings = 10;
    static constexpr int kHeaterHighMin = 271;
    static constexpr int kHeaterHighMax = 326;
    static constexpr int kAmbientHighTemp = 161;
    static constexpr int kAmbientHighReadings = 900;
    static constexpr int kAmbientRealarmSecs = 3600;

    // NFC reader boards and pan tags.
    static constexpr int kNfcReader1Slave = 2;
    static constexpr int kNfcReader2Slave = 3;
    static constexpr int kTagInfoRegisters = 43; // firmware words, then 10 slots of 4 words
    static constexpr int kTagSlotsPerReply = 10;
    static constexpr int kTagScanValues = 14;
    static constexpr int kRegTagScan = 51;
    static constexpr int kNfcPollTimeoutMs = 100;
    static constexpr int kStartUpCountdown = 4;
    static constexpr int kAnalysesToSkip = 2;
    static constexpr int kHoldingListNoticeMs = 5000;
    static const quint8 kUniversalTagType = 0x65;

    // The cabinet's temperature handling and the paired configuration, as
    // the personality numbers them.
    static constexpr int kTempHandlingAveraged = 0;
    static constexpr int kTempHandlingIndividual = 1;
    static constexpr int kConfigLinear20 = 10;

    // Heater tests: set points, and the thermocouple readings that mean an
    // open or a shorted sensor.
    static constexpr int kHeaterTestTemp = 225;
    static constexpr int kEolTestTemp = 300;
    static constexpr int kTcOpenTemp = 3275;
    static constexpr int kTcShortedBelow = 1;
    static constexpr int kValidZoneTempLimit = 326;

    MasterIoManager(NFCmanager *nfc, QModbusMaster *modbus, CanbusManager *can, int uiId,
                    QList<ZoneManager *> *zones, QList<TrayBarSc *> *trays, int tempHandling,
                    QObject *parent);
    ~MasterIoManager() override;

    // Gives the reader polling and the tag analysis their cabinet (not
    // owned) and, when the cabinet has NFC, builds the reader region with
    // the polling mode of its plan. Call once, before the machine starts.
    void setNfcHost(PanTagHost *host);
    int nfcPollingMode() const { return m_nfcPollingMode; }

    // Pan tags: a valid UID's top 16 bits are the CRC-16 of its lower 48
    // bits (six bytes, most significant first); its bits 40 to 47 name the
    // product, 0x65 meaning a universal tag.
    static bool isUidValid(quint64 uid);
    static quint8 tagType(quint64 uid) { return quint8(uid >> 40); }
    static bool isUniversalTag(quint64 uid) { return tagType(uid) == kUniversalTagType; }

    bool get_nfcAccsTestEnabled() const { return m_nfcAccsTestEnabled; }
    quint64 get_previousUID(int bin) const;

    // The cabinet's layout and role; set before the machine starts.
    void set_layout(const IoBoardLayout &layout) { m_layout = layout; }
    const IoBoardLayout &layout() const { return m_layout; }

    int get_orientationId() const { return m_orientationId; }
    int get_iosyscfg() const { return m_iosyscfg; }
    int get_ambientTemperature() const { return m_ambientTemperature; }
    int get_operatingMode() const { return m_operatingMode; }
    QList<BinInfo *> get_binInfoList() const { return m_binInfoList; }
    QList<QObject *> get_binInfoListProperty() const;
    // Nothing fills the zone set-point list yet: screens read it empty.
    QList<QObject *> get_zoneSetPointList() const { return {}; }
    QList<MbHrInfo *> get_mbioRawInfoList() const { return m_mbioRawInfoList; }
    QList<QObject *> get_mbioRawInfoListProperty() const;
    QList<TempProbeStateManager *> get_tpsmList() const { return m_tpsmList; }
    void set_tpsmList(const QList<TempProbeStateManager *> &list) { m_tpsmList = list; }
    int get_iobGenStatus1() const { return m_iobGenStatus[0]; }
    int get_iobGenStatus2() const { return m_iobGenStatus[1]; }
    int get_iobGenStatus3() const { return m_iobGenStatus[2]; }
    int get_iobGenStatus4() const { return m_iobGenStatus[3]; }
    int get_iobGenStatus5() const { return m_iobGenStatus[4]; }
    bool get_pendingTTSF() const { return m_pendingTTSF; }
    double get_lineVoltage() const { return m_lineVoltage; }
    double get_lineCurrent() const { return m_lineCurrent; }
    double get_lineFrequency() const { return m_lineFrequency; }

    // The poll records, by their object names, for the screens and tests.
    QModbusPollInfo *pollInfo(const QString &name) const;

    // The zone-monitor message to the other displays: operation mode, then
    // the actual temperature of bins 0 to 19, each a big-endian 32-bit int.
    static QByteArray zoneMonitorPayload(int operatingMode, const QList<BinInfo *> &bins);
    // Reads that message back; false (and nothing written) when it is
    // shorter than the 84 bytes it must hold.
    static bool parseZoneMonitorPayload(const QByteArray &payload, int *operatingMode,
                                        QList<int> *temps);
    // A display that is not primary takes the board's readings from the
    // primary display's message instead of the line.
    void processZoneMonitorMessage(const QByteArray &payload);

    // Board and link queries.
    Q_INVOKABLE int get_numOfNfcBoards() const;
    Q_INVOKABLE bool getIoCommErrorDetected() const;
    Q_INVOKABLE bool getNfcErrorDetected() const;
    Q_INVOKABLE int getFirstChannel() const { return tagType(m_currentUIDs[0]); }
    Q_INVOKABLE qulonglong get_currentUID(int bin) const;
    // The same as lower-case hexadecimal: a script number holds only 53
    // bits of a 64-bit UID.
    Q_INVOKABLE QString currentUidText(int bin) const;
    Q_INVOKABLE bool isNumPollsEqualToOne() const;
    Q_INVOKABLE bool isNumPollsNotEqualToOne() const { return !isNumPollsEqualToOne(); }

    // Heater tests (primary display only). Each sets the targets of the bins
    // behind the heaters it tests, tells the other displays and writes the
    // set points on the heaters' own channels.
    Q_INVOKABLE void loadHeatersTempTest();
    Q_INVOKABLE void loadBinTempTest();
    Q_INVOKABLE void eolTempTestAllHeaters(bool heatOn);
    // False, and nothing changed, for a zone outside the cabinet or a heater
    // other than 0 and 1.
    Q_INVOKABLE bool eolTempTestSingleHeater(int zoneIndex, int heaterIndex);
    Q_INVOKABLE int eolGetActualTemp(int zoneIndex, int heaterIndex) const;
    Q_INVOKABLE QString eolGetTempErrorDescription(int zoneIndex, int heaterIndex) const;
    // The bin whose temperature input belongs to a heater of a zone as the
    // screens number zones; -1 when there is none.
    int heaterBin(int zoneIndex, int heaterIndex) const;
    // The mean of two readings, ignoring one outside the valid range.
    static bool recalcZoneTemp(int tempA, int tempB, int *calculatedTemp);
    // The targets message to the other displays: bin count, then each
    // bin's target.
    static QByteArray binsTargetTempsPayload(const QList<BinInfo *> &bins);

    // Guards of the chart.
    Q_INVOKABLE bool isOperatingModePreheat() const { return m_operatingMode == PHU_MODE_PREHEAT; }
    Q_INVOKABLE bool isOperatingModeNotPreheat() const { return m_operatingMode != PHU_MODE_PREHEAT; }

signals:
    void orientationIdChanged(int value);
    void iosyscfgChanged(int value);
    void ambientTemperatureChanged(int value);
    void operatingModeChanged(int value);
    void iobGenStatus1Changed(int value);
    void iobGenStatus2Changed(int value);
    void iobGenStatus3Changed(int value);
    void iobGenStatus4Changed(int value);
    void iobGenStatus5Changed(int value);
    void pendingTTSFChanged(bool value);
    void lineVoltageChanged(double value);
    void lineCurrentChanged(double value);
    void lineFrequencyChanged(double value);

    void systemEnteredPreheat(QString timeStamp);
    void actualTempChangedZone(int zone, int tempIdx, int value);
    void binTargetTempChanged(int bin, int value);
    void binActualFanSpeedChanged(int bin, int value);
    void binTargetFanSpeedChanged(int bin, int value);
    void iobGenStatusChanged(int board, int value);
    // Inputs of the chart.
    void ttSendRequestSignal();
    void nfcReadingStart();
    void gotoScanWait();
    void currentUIDsChanged(uchar whichBin);
    void nfcAccsTestUpdate();
    void nfcAccsTestEnabledChanged(bool value);
    void exitPreheatSignal();

    void errorInfo(int mainCode, int subCode1, int subCode2, int subCode3);
    void errorClearInfo(int mainCode, int subCode1, int subCode2, int subCode3);
    void invokeSimpleDialog(QString text, bool show);
    void ambientTemperatureAlarm();
    void heaterHighTempAlarm();

public slots:
    void set_iosyscfg(int value);
    void set_ambientTemperature(int value);
    // Emitted on every write: the chart's mode guards look at every report.
    void set_operatingMode(int value);
    void set_iobGenStatus1(int value) { setIobGenStatus(1, value); }
    void set_iobGenStatus2(int value) { setIobGenStatus(2, value); }
    void set_iobGenStatus3(int value) { setIobGenStatus(3, value); }
    void set_iobGenStatus4(int value) { setIobGenStatus(4, value); }
    void set_iobGenStatus5(int value) { setIobGenStatus(5, value); }
    void set_pendingTTSF(bool value);
    void set_lineVoltage(double value);
    void set_lineCurrent(double value);
    void set_lineFrequency(double value);
    void set_heatersTestEnabled(bool value) { m_heatersTestEnabled = value; }

    // Zone temperatures.
    void requestAllZonesMonitorInfo();
    void processAllZonesMonitorInfo();
    void startAllZonesMonitorTimer();
    void updateZonesFromBinInfoList();

    // Board temperatures and the ambient alarm.
    void requestAmbienTemperatureInfo();
    void processAmbientTempertureInfo();
    void turnAllHeatersOff();
    void resetAmbientTempAlarm();

    // General status words.
    void requestIosGenStatus();
    void processIosGenStatus();
    void processIosGenStatusForError(int board, int value);
    void slowIntervalIosGenStatus();
    void normalIntervalIosGenStatus();

    // Configuration write outcome.
    void reportIoSysCfgSetTimeout();
    void reportIoSysCfgSetError();

    // Set points.
    void sendAllSetpointsRequest();
    // The set points on the heaters' own channels, as the heater tests need.
    void sendAllBinsSetpoints();
    void setBinTargetTemp(int bin, int value);
    void updateBinInfoTargetsForZone();
    void slaveEmitBinsTargetTemp();
    void setPendingTTS();

    // Fans.
    void sendAllBinsFanSpeed();
    void sendAllFanTargetsRequest();
    void startFanTargetTimer();
    void requestFanSpeedActualInfo();
    void processFanSpeedActualInfo();

    // Power line.
    void requestPowerLineInfo();
    void processPowerLineInfo();

    // Operation mode.
    void requestExitPreheat();
    void emitPreheatEvent();

    // Out-of-range bins are ignored.
    void setBinInfoListItem(int n, int value);

    void invokeSimpleDialogSignalEmiter(QString msg, bool showClose);

    // NFC reader polling and the tag analysis.
    void set_nfcAccsTestEnabled(bool value);
    void set_currentUID(int bin, qulonglong uid);
    bool isTagADuplicate(qulonglong uid) const;
    void nfcScanReader(int poll);
    void requestTagInfo1();
    void requestTagInfo2();
    void processRequestTagInfo1();
    void processRequestTagInfo2();
    void processTagInfo(int reader);
    void reportReaderCommError1();
    void reportReaderCommError2();
    void analyzeTagInfo2();
    void savePreviousUIDs();
    void initPreviousUIDs();
    void nfcTagReading_onEntry() {}
    void nfcTagReading_onExit() {}
    void nfcIdleState_onEntry() {}
    void nfcIdleState_onExit() {}
    void nfcScanReaderPoll0_onEntry() { nfcScanReader(0); }
    void nfcScanReaderPoll0_onExit() {}
    void nfcScanWaitPoll0_onEntry() { m_tagScanTimer.start(); }
    void nfcScanWaitPoll0_onExit() {}
    void nfcScanReaderPoll1_onEntry() { nfcScanReader(1); }
    void nfcScanReaderPoll1_onExit() {}
    void nfcScanWaitPoll1_onEntry() { m_tagScanTimer.start(); }
    void nfcScanWaitPoll1_onExit() {}
    void nfcPollReader1_onEntry() { requestTagInfo1(); }
    void nfcPollReader1_onExit() {}
    void nfcPollReader2_onEntry() { requestTagInfo2(); }
    void nfcPollReader2_onExit() {}

    // Entry and exit actions of the states.
    void s1_onEntry();
    void s1_onExit() {}
    void mphu_onEntry() {}
    void mphu_onExit() {}
    void mphuSetSystemConfig_onEntry();
    void mphuSetSystemConfig_onExit() {}
    void mphuModeUnknown_onEntry();
    void mphuModeUnknown_onExit() {}
    void mphuModePreheat_onEntry();
    void mphuModePreheat_onExit() {}
    void mphuModeNormal_onEntry();
    void mphuModeNormal_onExit() {}
    void ioBoardsStatus_onEntry() {}
    void ioBoardsStatus_onExit() {}
    void getIoBoardsStatus_onEntry();
    void getIoBoardsStatus_onExit() {}
    void targetTemps_onEntry() {}
    void targetTemps_onExit() {}
    void ttIdle_onEntry();
    void ttIdle_onExit();
    void ttSending_onEntry();
    void ttSending_onExit() {}

private:
    void buildMachine();
    void buildNfcRegion();
    void reportReaderCommError(int reader);
    // Steps of the tag analysis; "now" is taken once per pass.
    void panRemoved(quint8 bin, quint64 previous, qint64 now);
    bool panPlaced(quint8 bin, quint64 uid, qint64 now);
    bool newHold(quint8 bin, quint64 uid, qint64 now);
    void sweepRegistry(qint64 now);
    void stopMovedPans();
    int panSize(quint8 bin) const;
    QModbusPollInfo *newPollInfo(const char *name, int values);
    void wirePeriodicPoll(QModbusPollInfo *info, QTimer *timer, const char *request,
                          const char *process);
    // Requests go out only from the primary display: elsewhere the master
    // never runs, and a queued request would wait there for good.
    void readRegisters(quint16 start, quint8 retries, QModbusPollInfo *info, bool realLine = false);
    void writeRegisters(quint16 start, quint8 retries, QModbusPollInfo *info, bool realLine = false);
    bool setPointChannel(int channel, int value, int zone, const char *caller);
    void fillSetPoints(const QList<int> &channelMap, bool singleChannelPicksBin, const char *caller);
    int pairedBin(int first, int entry) const;
    void setTestTarget(int bin, int value);
    void setTargetsBehindHeaters(int value);
    void finishHeaterTest();
    bool binTarget(int bin, int *value) const;
    ZoneManager *zonePtr(int zoneNumber) const;
    void sendZoneMonitorInfo();
    void setIobGenStatus(int board, int value);

    int m_orientationId = 0;
    int m_iosyscfg = -1;
    int m_ambientTemperature = 0;
    int m_operatingMode = PHU_MODE_SYSTEM_START_UP;
    int m_iobGenStatus[kStatusWords] = {0, 0, 0, 0, 0};
    bool m_pendingTTSF = false;
    double m_lineVoltage = 0;
    double m_lineCurrent = 0;
    double m_lineFrequency = 0;
    bool m_heatersTestEnabled = false;
    QList<BinInfo *> m_binInfoList;
    QList<MbHrInfo *> m_mbioRawInfoList;
    QList<TempProbeStateManager *> m_tpsmList;
    IoBoardLayout m_layout;

    // Alarm rules.
    bool m_ambientAlarmFlag = false;
    qint64 m_ambientAlarmResetSecs = 0;
    int m_ambientHighCountdown = kAmbientHighReadings;
    bool m_heaterHighAlarmFlag = false;
    int m_heaterHighCountdown = kHeaterHighReadings;
    bool m_powerMonitorCommError = false;
    bool m_powerMonitorZxError = false;

    QModbusPollInfo *m_allZonesMonitorInfo;
    QModbusPollInfo *m_tempSetpointsInfo;
    QModbusPollInfo *m_tempSetpoints2Info;
    QModbusPollInfo *m_operatingModeInfo;
    QModbusPollInfo *m_fanActualsInfo;
    QModbusPollInfo *m_fanSpeedTargetsInfo;
    QModbusPollInfo *m_ambientTemperatureInfo;
    QModbusPollInfo *m_powerLineInfo;
    QModbusPollInfo *m_ioBoardsStatusPollInfo;
    QModbusPollInfo *m_ioSysConfigPollInfo;

    QTimer m_zoneMonitorTimer;
    QTimer m_iosGenStatusTimer;
    QTimer m_setPointTimer;
    QTimer m_fanTargetTimer;
    QTimer m_fanActualsTimer;
    QTimer m_ambientTimer;
    QTimer m_powerLineTimer;

    // NFC reader region (only with NFC).
    PanTagHost *m_nfcHost = nullptr;
    int m_nfcPollingMode = 0;
    QState *m_s1 = nullptr;
    QModbusPollInfo *m_tagInfo1 = nullptr;
    QModbusPollInfo *m_tagInfo2 = nullptr;
    QModbusPollInfo *m_tagScanInfo1 = nullptr;
    QModbusPollInfo *m_tagScanInfo2 = nullptr;
    QTimer m_tagScanTimer;
    quint64 m_currentUIDs[kBinCount] = {};
    quint64 m_previousUIDs[kBinCount] = {};
    bool m_readerError[2] = {false, false};
    bool m_nfcAccsTestEnabled = false;
    int m_startUpCountdown = kStartUpCountdown;
    int m_analysesToSkip = kAnalysesToSkip;
    quint64 m_lastTestUid = 0;
    qint64 m_lastHoldingListNoticeMs = 0;
    QHash<quint8, quint64> m_movedPans;
    bool m_saveMark = false;

    NFCmanager *m_nfc;
    QModbusMaster *m_modbus;
    CanbusManager *m_can;
    QList<ZoneManager *> *m_zones;
    QList<TrayBarSc *> *m_trays;
    int m_tempHandling;
};
