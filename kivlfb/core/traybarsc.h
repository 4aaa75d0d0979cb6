#pragma once

#include "core/trayinfo.h"
#include "platform/kivclocktimer.h"
#include "statemachine/tarnstatemachine.h"

#include <QString>
#include <QTimer>
#include <QVariant>

class DayPartManager;
class MenuManager;
class ZoneManager;

// The holding model of one bin: which product the day part puts there, and
// whether the bin is preheating, ready, holding, in warning or to be
// discarded. Named "tbsc<bin>" so that the tracer and the screens find it.
// Also registered for QML as the holder of the tray-state enumeration, which
// is why it has a constructor that builds only the base and the timers.
class TrayBarSc : public TarnStateMachine
{
    Q_OBJECT
    Q_PROPERTY(int trayState READ get_trayState WRITE set_trayState NOTIFY trayStateChanged)
    Q_PROPERTY(bool assigned READ get_assigned WRITE set_assigned NOTIFY assignedChanged)
    Q_PROPERTY(QString productName READ get_productName WRITE set_productName NOTIFY productNameChanged)
    Q_PROPERTY(QString productAb READ get_productAb WRITE set_productAb NOTIFY productAbChanged)
    Q_PROPERTY(QString productAb8 READ get_productAb8 WRITE set_productAb8 NOTIFY productAb8Changed)
    Q_PROPERTY(bool holding READ get_holding WRITE set_holding NOTIFY holdingChanged)
    Q_PROPERTY(int holdTime READ get_holdTime WRITE set_holdTime NOTIFY holdTimeChanged)
    Q_PROPERTY(int holdTimePreSet READ get_holdTimePreSet WRITE set_holdTimePreSet NOTIFY holdTimePreSetChanged)
    Q_PROPERTY(int remainingTime READ get_remainingTime WRITE set_remainingTime NOTIFY remainingTimeChanged)
    Q_PROPERTY(int warningTime READ get_warningTime WRITE set_warningTime NOTIFY warningTimeChanged)
    Q_PROPERTY(int restoreTime READ get_restoreTime WRITE set_restoreTime NOTIFY restoreTimeChanged)
    Q_PROPERTY(int panSize READ get_panSize WRITE set_panSize NOTIFY panSizeChanged)
    Q_PROPERTY(QString panSizeX READ get_panSizeX WRITE set_panSizeX NOTIFY panSizeXChanged)
    Q_PROPERTY(int holdTemperature READ get_holdTemperature WRITE set_holdTemperature NOTIFY holdTemperatureChanged)
    Q_PROPERTY(int lowerTemperature READ get_lowerTemperature WRITE set_lowerTemperature NOTIFY lowerTemperatureChanged)
    Q_PROPERTY(int upperTemperature READ get_upperTemperature WRITE set_upperTemperature NOTIFY upperTemperatureChanged)
    Q_PROPERTY(int actualTemperature READ get_actualTemperature WRITE set_actualTemperature NOTIFY actualTemperatureChanged)
    Q_PROPERTY(int holdOffTemperature READ get_holdOffTemperature WRITE set_holdOffTemperature NOTIFY holdOffTemperatureChanged)
    Q_PROPERTY(int actualFanSpeed READ get_actualFanSpeed WRITE set_actualFanSpeed NOTIFY actualFanSpeedChanged)
    Q_PROPERTY(int targetFanSpeed READ get_targetFanSpeed WRITE set_targetFanSpeed NOTIFY targetFanSpeedChanged)
    Q_PROPERTY(int lidType READ get_lidType WRITE set_lidType NOTIFY lidTypeChanged)
    Q_PROPERTY(int bottomType READ get_bottomType WRITE set_bottomType NOTIFY bottomTypeChanged)
    Q_PROPERTY(int productId READ get_productId WRITE set_productId NOTIFY productIdChanged)
    Q_PROPERTY(int binNumber READ get_binNumber NOTIFY binNumberChanged)
    Q_PROPERTY(bool useBin READ get_useBin WRITE set_useBin NOTIFY useBinChanged)
    Q_PROPERTY(int groupID READ get_groupID WRITE set_groupID NOTIFY groupIDChanged)
    Q_PROPERTY(int groupIndex READ get_groupIndex WRITE set_groupIndex NOTIFY groupIndexChanged)
    Q_PROPERTY(QVariant groupPList READ get_groupPList WRITE set_groupPList NOTIFY groupPListChanged)
    Q_PROPERTY(int warningReason READ get_warningReason WRITE set_warningReason NOTIFY warningReasonChanged)
    Q_PROPERTY(int heatTime READ get_heatTime WRITE set_heatTime NOTIFY heatTimeChanged)
    Q_PROPERTY(qulonglong panId READ get_panId WRITE set_panId NOTIFY panIdChanged)
    Q_PROPERTY(QString panIdStr READ get_panIdStr NOTIFY panIdStrChanged)
    Q_PROPERTY(QString timerBackColor READ get_timerBackColor WRITE set_timerBackColor NOTIFY timerBackColorChanged)
    Q_PROPERTY(QString timerForeColor READ get_timerForeColor WRITE set_timerForeColor NOTIFY timerForeColorChanged)

public:
    enum TrayState_enum {
        TRAY_STATE_NULL = 0,
        TRAY_STATE_UNASSIGNED = 1,
        TRAY_STATE_ASSIGNED = 2,
        TRAY_STATE_PREHEATING = 3,
        TRAY_STATE_READY2HOLD = 4,
        TRAY_STATE_HOLDING = 5,
        TRAY_STATE_STANDARD = 6,
        TRAY_STATE_WARNING = 7,
        TRAY_STATE_DISCARD = 8,
        TRAY_STATE_WAITING = 9,
        TRAY_STATE_HOLDINGOFF = 10
    };
    Q_ENUM(TrayState_enum)

    // Enum holder for QML only: no collaborators and no states.
    explicit TrayBarSc(QObject *parent = nullptr);
    TrayBarSc(MenuManager *menus, DayPartManager *dayParts, ZoneManager *zone, int binNumber,
              QObject *parent = nullptr);

    int get_trayState() const { return m_trayState; }
    bool get_assigned() const { return m_assigned; }
    QString get_productName() const { return m_productName; }
    QString get_productAb() const { return m_productAb; }
    QString get_productAb8() const { return m_productAb8; }
    bool get_holding() const { return m_holding; }
    int get_holdTime() const { return m_holdTime; }
    int get_holdTimePreSet() const { return m_holdTimePreSet; }
    int get_remainingTime() const { return m_remainingTime; }
    int get_warningTime() const { return m_warningTime; }
    int get_restoreTime() const { return m_restoreTime; }
    int get_panSize() const { return m_panSize; }
    QString get_panSizeX() const { return m_panSizeX; }
    int get_holdTemperature() const { return m_holdTemperature; }
    int get_lowerTemperature() const { return m_lowerTemperature; }
    int get_upperTemperature() const { return m_upperTemperature; }
    int get_actualTemperature() const { return m_actualTemperature; }
    int get_holdOffTemperature() const { return m_holdOffTemperature; }
    int get_actualFanSpeed() const { return m_actualFanSpeed; }
    int get_targetFanSpeed() const { return m_targetFanSpeed; }
    int get_lidType() const { return m_lidType; }
    int get_bottomType() const { return m_bottomType; }
    int get_productId() const { return m_productId; }
    int get_binNumber() const { return m_binNumber; }
    bool get_useBin() const { return m_useBin; }
    int get_groupID() const { return m_groupID; }
    int get_groupIndex() const { return m_groupIndex; }
    QVariant get_groupPList() const { return m_groupPList; }
    int get_warningReason() const { return m_warningReason; }
    int get_heatTime() const { return m_heatTime; }
    qulonglong get_panId() const { return m_panId; }
    QString get_panIdStr() const { return m_panIdStr; }
    QString get_timerBackColor() const { return m_timerBackColor; }
    QString get_timerForeColor() const { return m_timerForeColor; }

    Q_INVOKABLE ZoneManager *getZone() const { return m_zonemgr; }

signals:
    void trayStateChanged(int value);
    void assignedChanged(bool value);
    void productNameChanged(QString value);
    void productAbChanged(QString value);
    void productAb8Changed(QString value);
    void holdingChanged(bool value);
    void holdTimeChanged(int value);
    void holdTimePreSetChanged(int value);
    void remainingTimeChanged(int value);
    void warningTimeChanged(int value);
    void restoreTimeChanged(int value);
    void panSizeChanged(int value);
    void panSizeXChanged(QString value);
    void holdTemperatureChanged(int value);
    void lowerTemperatureChanged(int value);
    void upperTemperatureChanged(int value);
    void actualTemperatureChanged(int value);
    void holdOffTemperatureChanged(int value);
    void actualFanSpeedChanged(int value);
    void targetFanSpeedChanged(int value);
    void lidTypeChanged(int value);
    void bottomTypeChanged(int value);
    void productIdChanged(int value);
    void binNumberChanged(int value);
    void useBinChanged(bool value);
    void groupIDChanged(int value);
    void groupIndexChanged(int value);
    void groupPListChanged(QVariant value);
    void warningReasonChanged(int value);
    void heatTimeChanged(int value);
    void panIdChanged(qulonglong value);
    void panIdStrChanged(const QString &value);
    void timerBackColorChanged();
    void timerForeColorChanged();

    // Triggers of the chart, emitted by the bar itself or by the cabinet core.
    void assign();
    void unassign();
    void atTarget();
    void goToHold();
    void trayDiscard();
    void trayExpired();
    void trayRemoved();
    void cancelHolding();
    void userClicked();
    void restoreHolding();
    void standardHold();
    void warningPeriod();
    void holdTimeExpired();
    void endWait();
    void goToHeatOff();
    void exitHeatOff();
    void actualTempTooCold();
    void startHolding();
    void mirrorClicked();
    void mirrorCancelHolding();
    void mirrorSelectSubProduct(int n);
    void goToAlert();
    void sendRequestAlarm(int alarmId, bool play);
    void productMismatchWarning(int reason);
    void productMismatchWarningCancel();

    // Notices.
    void holdingStartedSignal(trayInfo ti);
    void holdingStoppedSignal(trayInfo ti);
    void holdingUpdateSignal(trayInfo ti);
    void holdingStarted(QString timestamp, QString productType, QString panID, int zone, QString method);
    void holdingStopped(QString timestamp, QString productType, QString panID, int zone, QString method,
                        int timeRemaining);
    void trayIotInfo(QString timestamp, int trayNum, QString productName, int holdTemp, int holdTime,
                     int remainingTime, bool useFlag);
    void currentUseSignal(int binNum, int prodId, bool inoutflag);
    void requestAlarm(int alarmId, bool play);
    void enterPreheat();
    void exitPreheat();
    void closeCancelPanel();
    void flashBackground();
    void cancelFlashBackground();
    void deregisterTag(qulonglong uid);
    void binTimerStartedByUser(uchar bin);
    void userRequestsManualTimerStart(uchar bin);
    void sendActionTrayLoadProduct(int pn, bool defaultProd);
    void disableGroupSelectionSignal();
    // A hold ran out on a bin without a pan tag: the cabinet reports the
    // expiry itself (with a tag the tag tracking does).
    void requestHoldExpiredEvent(uchar bin, qulonglong panId);

public slots:
    void set_trayState(int value);
    void set_assigned(bool value);
    void set_productName(const QString &value);
    void set_productAb(const QString &value);
    void set_productAb8(const QString &value);
    void set_holding(bool value);
    void set_holdTime(int value);
    void set_holdTimePreSet(int value);
    void set_remainingTime(int value);
    void set_warningTime(int value);
    void set_restoreTime(int value);
    void set_panSize(int value);
    void set_panSizeX(const QString &value);
    void set_holdTemperature(int value);
    void set_lowerTemperature(int value);
    void set_upperTemperature(int value);
    void set_actualTemperature(int value);
    void set_holdOffTemperature(int value);
    void set_actualFanSpeed(int value);
    void set_targetFanSpeed(int value);
    void set_lidType(int value);
    void set_bottomType(int value);
    void set_productId(int value);
    void set_useBin(bool value);
    void set_groupID(int value);
    void set_groupIndex(int value);
    void set_groupPList(const QVariant &value);
    void set_warningReason(int value);
    void set_heatTime(int value);
    void set_panId(qulonglong value);
    void set_timerBackColor(const QString &value);
    void set_timerForeColor(const QString &value);

    // The system clock was set offsetMs away: the countdown keeps the time
    // it had left instead of counting the jump as time held.
    void adjustForClockChange(qlonglong offsetMs);

    // Plain writers under the names the following displays use.
    void set_trayStateFromMaster(int value) { set_trayState(value); }
    void set_productIdFromMaster(int value) { set_productId(value); }
    void set_actualTemperatureFromMaster(int value) { set_actualTemperature(value); }
    void set_remainingTimeFromMaster(int value) { set_remainingTime(value); }
    void set_holdingFromMaster(bool value) { set_holding(value); }

    void set_groupIndexFromMaster(int n);
    void trayInserted();
    void deregisterNfcTag();
    void binTimerStartedByUser();
    void userRequestsManualTimerStart();
    void notifyHoldingStartedManual();
    void notifyHoldingStartedAuto();
    void notifyHoldingStopped();
    void setRemainingTimeToHoldTime();
    void requestWarningAlarm();
    void requestDiscardAlarm();
    void resetHoldingTime();
    void updateHoldTimePreSetValue();
    void ignorePreheatExitAlarm();
    void sendIot_trayIotInfo();
    void updateTrayInfo();
    void holdTempEmit();
    void disableGroupSelection(int binNum);
    void refreshAll();
    void processZoneDisabledFlag(bool disabled);
    void restoreTrayBarHoldingInfo(trayInfo ti);
    void loadNewProduct();
    void loadSubProduct(int n);
    void loadProduct(bool defaultProduct);
    void languageChanged(int lang);

    // Fills the bar's holding record for the given activity (0 stopped,
    // 1 changed, 2 started, 3 restored, 4 set from outside, 5 expired,
    // 6 refresh) and reports it.
    void holdingActivityUpdate(int activity);

    // Actions of the chart.
    void decreaseRemainingTime();
    void checkIfAtTarget();
    void checkIfTooCold() {}
    void holdingOffUpdateTemp();

    // Guards of the chart.
    bool productNotZero() const;
    bool dayPartChanging() const;
    bool dayPartNotChanging() const;
    bool zoneStateIsDayPart() const;

    void unassigned_onEntry() {}
    void unassigned_onExit() {}
    void assigned_onEntry();
    void assigned_onExit() {}
    void preheating_onEntry();
    void preheating_onExit();
    void readyToHold_onEntry();
    void readyToHold_onExit() {}
    void holding_onEntry();
    void holding_onExit();
    void standard_onEntry();
    void standard_onExit() {}
    void warning_onEntry();
    void warning_onExit() {}
    void restore_onEntry();
    void restore_onExit() {}
    void autoXfr_onEntry();
    void autoXfr_onExit() {}
    void discard_onEntry();
    void discard_onExit();
    void waiting_onEntry();
    void waiting_onExit() {}
    void holdingOff_onEntry();
    void holdingOff_onExit();

public:
    // Loads the product record at row np of the menu (a group resolves to
    // one of its products). defaultProduct is set when the group's default
    // product was taken.
    void loadProductFromMenuManager(bool &defaultProduct, int id, int np);

private:
    void buildMachine();

    int m_trayState = TRAY_STATE_NULL;
    bool m_assigned = false;
    QString m_productName = QStringLiteral("product name");
    QString m_productAb;
    QString m_productAb8;
    bool m_holding = false;
    int m_holdTime = 0;
    int m_holdTimePreSet = 0;
    int m_remainingTime = 0;
    int m_warningTime = 0;
    int m_restoreTime = 0;
    int m_panSize = 1;
    QString m_panSizeX;
    int m_holdTemperature = -1;
    int m_lowerTemperature = 0;
    int m_upperTemperature = 0;
    int m_actualTemperature = -1;
    int m_holdOffTemperature = -1;
    int m_actualFanSpeed = 0;
    int m_targetFanSpeed = -1;
    int m_lidType = -1;
    int m_bottomType = -1;
    int m_productId = 0;
    int m_binNumber = 0;
    bool m_useBin = false;
    int m_groupID = -1;
    int m_groupIndex = 0;
    QVariant m_groupPList;
    int m_warningReason = 0;
    int m_heatTime = 0;
    qulonglong m_panId = 0;
    QString m_panIdStr;
    QString m_timerBackColor = QStringLiteral("#fffffd");
    QString m_timerForeColor;

    MenuManager *m_menus = nullptr;
    DayPartManager *m_dpmgr = nullptr;
    ZoneManager *m_zonemgr = nullptr;

    // The cabinet's settings that shape the chart, read when it is built.
    QVariant cabinetSetting(const char *name) const;
    int currentLanguage() const;
    QString timeStampSecs() const;
    static QString nameInLanguage(const QVariantMap &record, int lang);

    int m_customerId = 0;
    bool m_timerDecrementEnable = false;

    trayInfo m_trayInfo;
    bool m_recordFlag = false;
    QString m_latchedPanIdStr;
    int m_restoreGroupId = 0;
    int m_restoreGroupIndex = 0;
    qint64 m_restoreProcessId = 0;
    bool m_restored = false;
    qint64 m_preheatStartSecs = 0;
    qint64 m_lastDiscardExitMs = 0;
    bool m_lastDiscardExitKnown = false;
    bool m_ignorePreheatExitAlarm = false;
    int m_lastProductIndex = -1;

    // The countdown's reference on the project clock: when the tick started
    // and how many seconds the ticks have taken off since.
    void startTicking();
    qint64 m_tickStartMs = 0;
    qint64 m_secondsTicked = 0;

    QTimer trayTimer;
    KivClockTimer trayStartTimer;
    KivClockTimer m_preheatingTimer;
};
