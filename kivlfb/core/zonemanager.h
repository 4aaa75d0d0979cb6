#pragma once

#include "core/trayinfo.h"
#include "statemachine/tarnstatemachine.h"

#include <QList>
#include <QObject>
#include <QTimer>
#include <QVariant>

class QState;

class DayPartManager;
class MenuManager;
class TrayBarSc;

// One heating zone: a run of consecutive bins that share heaters, sensors and
// fans. The zone creates and owns the tray bars of its bins, follows the day
// part its trays are on, compares the sensor readings with the targets of the
// products held (raising a zone error when a zone stays too cold or too hot),
// computes the set points and fan targets for the I/O board link, and on the
// primary display puts its bars into heat-off or eco mode.
//
// The parent is the cabinet core. Through it the zone reads the cabinet's
// properties ("customerId", "tempHandling", "hasFan", "iAmMaster",
// "mirrorDisplay", "advancedZoneOptionsEnable", "heatersTestEnabled",
// "cleaningInProgress"), the eco settings of its "configManager", and calls
// its senders of eco state to the other displays. The time limits of the
// temperature status run on KivClock.
class ZoneManager : public TarnStateMachine
{
    Q_OBJECT
    Q_PROPERTY(int zoneNumber READ get_zoneNumber NOTIFY zoneNumberChanged)
    Q_PROPERTY(int traysPerZone READ get_traysPerZone NOTIFY traysPerZoneChanged)
    Q_PROPERTY(int tempHandling READ get_tempHandling NOTIFY tempHandlingChanged)
    Q_PROPERTY(int tempLayout READ get_tempLayout NOTIFY tempLayoutChanged)
    Q_PROPERTY(bool mirrorFlag READ get_mirrorFlag NOTIFY mirrorFlagChanged)
    Q_PROPERTY(int currentDayPart READ get_currentDayPart WRITE set_currentDayPart NOTIFY currentDayPartChanged)
    Q_PROPERTY(int prevDayPart READ get_prevDayPart NOTIFY prevDayPartChanged)
    Q_PROPERTY(int nextDayPart READ get_nextDayPart WRITE set_nextDayPart NOTIFY nextDayPartChanged)
    Q_PROPERTY(int zState READ get_zState WRITE set_zState NOTIFY zStateChanged)
    Q_PROPERTY(int tempStatus READ get_tempStatus WRITE set_tempStatus NOTIFY tempStatusChanged)
    Q_PROPERTY(bool tempError READ get_tempError WRITE set_tempError NOTIFY tempErrorChanged)
    Q_PROPERTY(bool disabledFlag READ get_disabledFlag WRITE set_disabledFlag NOTIFY disabledFlagChanged)
    Q_PROPERTY(QString disableReason READ get_disableReason WRITE set_disableReason NOTIFY disableReasonChanged)
    Q_PROPERTY(uint errorFlags READ get_errorFlags WRITE set_errorFlags NOTIFY errorFlagsChanged)
    Q_PROPERTY(bool donePreheating READ get_donePreheating WRITE set_donePreheating NOTIFY donePreheatingChanged)
    Q_PROPERTY(uint tpStatus READ get_tpStatus WRITE set_tpStatus NOTIFY tpStatusChanged)
    Q_PROPERTY(bool tempRangeErrorDisable READ get_tempRangeErrorDisable WRITE set_tempRangeErrorDisable NOTIFY tempRangeErrorDisableChanged)
    Q_PROPERTY(bool ecoModeEnabled READ get_ecoModeEnabled WRITE set_ecoModeEnabled NOTIFY ecoModeEnabledChanged)
    Q_PROPERTY(bool heatOffEnabled READ get_heatOffEnabled WRITE set_heatOffEnabled NOTIFY heatOffEnabledChanged)
    Q_PROPERTY(bool suggestEcoModeEnable READ get_suggestEcoModeEnable WRITE set_suggestEcoModeEnable NOTIFY suggestEcoModeEnableChanged)
    Q_PROPERTY(bool activelyHolding READ get_activelyHolding WRITE set_activelyHolding NOTIFY activelyHoldingChanged)
    Q_PROPERTY(QList<QObject *> traysListProperty READ get_traysListProperty CONSTANT)
    Q_PROPERTY(QList<int> actualTempsList READ get_actualTempsList NOTIFY actualTempsListChanged)
    Q_PROPERTY(QList<int> targetTempsList READ get_targetTempsList NOTIFY targetTempsListChanged)
    Q_PROPERTY(QList<int> actualFansList READ get_actualFansList NOTIFY actualFansListChanged)
    Q_PROPERTY(QList<int> targetFansList READ get_targetFansList NOTIFY targetFansListChanged)
    Q_PROPERTY(int actualTemp READ get_actualTemp WRITE set_actualTemp NOTIFY actualTempChanged)
    Q_PROPERTY(int errorHighTemp READ get_errorHighTemp WRITE set_errorHighTemp NOTIFY errorHighTempChanged)
    Q_PROPERTY(int errorLowTemp READ get_errorLowTemp WRITE set_errorLowTemp NOTIFY errorLowTempChanged)

public:
    enum ZoneState_enum {
        ZONE_STATE_UNASSIGNED = 0,
        ZONE_STATE_MOVE_2_DAYPART = 1,
        ZONE_STATE_ON_DAYPART = 2,
        ZONE_STATE_MAX = 3
    };
    Q_ENUM(ZoneState_enum)

    enum ZoneTempStatus_enum {
        ZONE_TEMP_STATUS_UNKNOWN = 0,
        ZONE_TEMP_STATUS_OK = 1,
        ZONE_TEMP_STATUS_TOO_LOW = 2,
        ZONE_TEMP_STATUS_TOO_LOW_ERROR = 3,
        ZONE_TEMP_STATUS_TOO_HIGH = 4,
        ZONE_TEMP_STATUS_TOO_HIGH_ERROR = 5
    };
    Q_ENUM(ZoneTempStatus_enum)

    enum ZoneTpsBitMask_enum {
        ZONE_TPS_OK = 0,
        ZONE_TPS_SHORTED = 1,
        ZONE_TPS_OPEN = 2
    };
    Q_ENUM(ZoneTpsBitMask_enum)

    enum ZoneErrorFlags_enum {
        ZE_TEMP_TOO_LOW_ERROR = 0x01,
        ZE_TEMP_TOO_HIGH_ERROR = 0x02,
        ZE_TEMP_B_TOO_LOW_ERROR = 0x04,
        ZE_TEMP_B_TOO_HIGH_ERROR = 0x08,
        ZE_IO_COMM_LOSS = 0x10,
        ZE_PRIMARY_IO_COMM_LOSS = 0x20,
        ZE_PRIMARY_UI_COMM_LOSS = 0x40,
        ZE_TEMP_SENSOR_ERROR = 0x80
    };
    Q_ENUM(ZoneErrorFlags_enum)

    ZoneManager(int zoneNumber, int traysPerZone, MenuManager *menus, DayPartManager *dayParts,
                int tempHandling, int tempLayout, bool mirrorDisplay, QObject *parent);

    int get_zoneNumber() const { return m_zoneNumber; }
    int get_traysPerZone() const { return m_traysPerZone; }
    int get_tempHandling() const { return m_tempHandling; }
    int get_tempLayout() const { return m_tempLayout; }
    bool get_mirrorFlag() const { return m_mirrorFlag; }
    int get_currentDayPart() const { return m_currentDayPart; }
    int get_prevDayPart() const { return m_prevDayPart; }
    int get_nextDayPart() const { return m_nextDayPart; }
    int get_zState() const { return m_zState; }
    int get_tempStatus() const { return m_tempStatus; }
    bool get_tempError() const { return m_tempError; }
    bool get_disabledFlag() const { return m_disabledFlag; }
    QString get_disableReason() const { return m_disableReason; }
    uint get_errorFlags() const { return m_errorFlags; }
    bool get_donePreheating() const { return m_donePreheating; }
    uint get_tpStatus() const { return m_tpStatus; }
    bool get_tempRangeErrorDisable() const { return m_tempRangeErrorDisable; }
    bool get_ecoModeEnabled() const { return m_ecoModeEnabled; }
    bool get_heatOffEnabled() const { return m_heatOffEnabled; }
    bool get_suggestEcoModeEnable() const { return m_suggestEcoModeEnable; }
    bool get_activelyHolding() const { return m_activelyHolding; }
    QList<TrayBarSc *> get_traysList() const { return m_trays; }
    QList<QObject *> get_traysListProperty() const;
    QList<int> get_actualTempsList() const { return m_actualTempsList; }
    QList<int> get_targetTempsList() const { return m_targetTempsList; }
    QList<int> get_actualFansList() const { return m_actualFansList; }
    QList<int> get_targetFansList() const { return m_targetFansList; }
    int get_actualTemp() const { return m_actualTemp; }
    int get_errorHighTemp() const { return m_errorHighTemp; }
    int get_errorLowTemp() const { return m_errorLowTemp; }

signals:
    void zoneNumberChanged(int value);
    void traysPerZoneChanged(int value);
    void tempHandlingChanged(int value);
    void tempLayoutChanged(int value);
    void mirrorFlagChanged(bool value);
    void currentDayPartChanged(int value);
    void prevDayPartChanged(int value);
    void nextDayPartChanged(int value);
    void zStateChanged(int value);
    void tempStatusChanged(int value);
    void tempErrorChanged(bool value);
    void disabledFlagChanged(bool value);
    void disableReasonChanged(QString value);
    void errorFlagsChanged(uint value);
    void donePreheatingChanged(bool value);
    void tpStatusChanged(uint value);
    void tempRangeErrorDisableChanged(bool value);
    void ecoModeEnabledChanged(bool value);
    void heatOffEnabledChanged(bool value);
    void suggestEcoModeEnableChanged(bool value);
    void activelyHoldingChanged(bool value);
    void actualTempsListChanged();
    void targetTempsListChanged();
    void actualFansListChanged();
    void targetFansListChanged();
    void actualTempChanged(int value);
    void errorHighTempChanged(int value);
    void errorLowTempChanged(int value);

    // Drive the trays' machines.
    void checkForWaitState();
    void movingToAnotherDayPart();
    void forceDayPartReload();
    void cancelHoldingDue2Error();
    // Drive the zone's own machine.
    void resetTempError();
    void bothBinsOk2move();
    void binStateChanged(int state);
    void zoneErrorInfo(int mainCode, int subCode1, int subCode2, int subCode3);
    void zoneErrorClearInfo(int mainCode, int subCode1, int subCode2, int subCode3);
    void exitPreheatSignal();

public slots:
    void set_currentDayPart(int value);
    void set_nextDayPart(int value);
    void set_zState(int value);
    void set_tempStatus(int value);
    void set_tempError(bool value);
    void set_disabledFlag(bool value);
    void set_disableReason(const QString &value);
    void set_errorFlags(uint value);
    void set_donePreheating(bool value);
    void set_tpStatus(uint value);
    void set_tempRangeErrorDisable(bool value);
    void set_ecoModeEnabled(bool value);
    void set_heatOffEnabled(bool value);
    void set_suggestEcoModeEnable(bool value);
    void set_activelyHolding(bool value);
    // Emits on every call: listeners recompute from the mean even when it
    // did not move.
    void set_actualTemp(int value);
    void set_errorHighTemp(int value);
    void set_errorLowTemp(int value);

    // Bits are ORed in / masked out, and the change signal goes out every
    // time so that the disable reason is rebuilt.
    void setErrorFlags(uint mask);
    void clearErrorFlags(uint mask);

    // Sensor readings and fan speeds from the I/O board link.
    void set_actualTempN(int zone, int tempIdx, int actualTemp);
    void set_actualFanSpeedN(int zone, int idx, int actualFanSpeed);
    // Day parts.
    void processDaypartUpdate(int dayPart);
    void nextDayPartForced();
    void restoreZoneDayPart(int zone, int dayPart);
    void signalIfZoneBinsOk2move();
    // Does nothing: the move is driven by the day-part region.
    void processNextDayPartAssigned();
    // Errors and the disable reason.
    void reEmitErrorFlags();
    void resetTempErrorDisplayTime();
    void updateDisableReason(uint flags);
    // Targets and holding, from the trays.
    void updateZoneTargetTempFromTray(int value);
    void updateZoneTargetFanSpeedFromTray(int value);
    void updateTrayBarHoldingInfo(trayInfo ti);
    void updateTrayBarHoldingInfoMirror(int value);
    // Deliberately empty: the target temperatures are always recomputed
    // from the trays, there is nothing to restate.
    void restateTargetTemp();
    // Heat-off and eco mode.
    void updateZoneOperationMode();
    // Cleaning parks every bar in heat-off; leaving it puts each bar where
    // the zone's eco and heat-off settings ask.
    void enterCleaningMode();
    void exitCleaningMode();
    void autoEcoEnableScan();
    void cancelSuggetEcoMode();

    // Guards of the chart.
    bool differentNextDayPart() const;
    bool isTempOk();
    bool isTempTooLow();
    bool isTempTooHigh();
    bool isTempTooLowError();
    bool isTempTooHighError();
    qint64 secondsInState() const;

    void s1_onEntry() {}
    void s1_onExit() {}
    void dayparts_onEntry() {}
    void dayparts_onExit() {}
    void mirroredZone_onEntry() {}
    void mirroredZone_onExit() {}
    void unassigned_onEntry();
    void unassigned_onExit() {}
    void move2DayPart_onEntry();
    void move2DayPart_onExit();
    void onDayPart_onEntry();
    void onDayPart_onExit() {}
    void tempStatus_onEntry() {}
    void tempStatus_onExit() {}
    void tsUnknown_onEntry();
    void tsUnknown_onExit() {}
    void tsOK_onEntry();
    void tsOK_onExit() {}
    void tsTooLow_onEntry();
    void tsTooLow_onExit();
    void tsTooLowError_onEntry();
    void tsTooLowError_onExit();
    void tsTooHigh_onEntry();
    void tsTooHigh_onExit();
    void tsTooHighError_onEntry();
    void tsTooHighError_onExit();

private:
    void buildMachine();
    void buildDayPartRegion(QState *dayparts);
    void buildTempStatusRegion(QState *tempStatus);
    void connectTrays();
    void connectPrimaryDisplay();
    static int sensorCount(int tempLayout, int tempHandling, int traysPerZone);

    // What the zone reads of its cabinet and the cabinet's configuration.
    QVariant cabinetValue(const char *name) const;
    QObject *configManager() const;
    QVariant configValue(const char *name) const;
    int customerId() const;
    bool heatingHeldBack() const;
    bool someTrayHasProduct() const;
    int trayIndex(const TrayBarSc *tray) const;
    void setTargetEntry(int index, int value);
    int ecoCountdownStart() const;
    void sendToRemoteDisplay(const char *sender, bool value);

    int m_zoneNumber = 0;
    int m_traysPerZone = 0;
    int m_tempHandling = 0;
    int m_tempLayout = 0;
    bool m_mirrorFlag = false;
    int m_currentDayPart = 0;
    int m_prevDayPart = 0;
    int m_nextDayPart = 0;
    int m_zState = ZONE_STATE_UNASSIGNED;
    int m_tempStatus = ZONE_TEMP_STATUS_UNKNOWN;
    bool m_tempError = false;
    bool m_disabledFlag = false;
    QString m_disableReason;
    uint m_errorFlags = 0;
    bool m_donePreheating = false;
    uint m_tpStatus = 0;
    bool m_tempRangeErrorDisable = false;
    bool m_ecoModeEnabled = false;
    bool m_heatOffEnabled = false;
    bool m_suggestEcoModeEnable = false;
    bool m_activelyHolding = false;
    QList<int> m_actualTempsList;
    QList<int> m_targetTempsList;
    QList<int> m_actualFansList;
    QList<int> m_targetFansList;
    int m_actualTemp = -1;
    int m_errorHighTemp = 10;
    int m_errorLowTemp = 10;

    QList<TrayBarSc *> m_trays;
    MenuManager *m_menus;
    DayPartManager *m_dayParts;

    // Time (ms since the epoch, on the project clock) of the last entry
    // into tsOK, tsTooLow or tsTooHigh, or of the last reset by a tray.
    qint64 m_stateEntryTime = 0;
    int m_lowErrorSensorIndex = 0;
    int m_highErrorSensorIndex = 0;
    // Sensor index of the zone error reported while an error state stands.
    int m_reportedSensorIndex = 0;
    QTimer *m_waitingTimer;
    QTimer *m_tempStatusEvalTimer;
    QTimer *m_targetTempsTimer;
    QTimer *m_autoEcoTimer = nullptr;
    int m_ecoCountdown = -1;
};
