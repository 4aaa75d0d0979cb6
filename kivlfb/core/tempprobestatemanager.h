#pragma once

#include "statemachine/tarnstatemachine.h"

#include <QDateTime>
#include <QTimer>

// Debounced state of one temperature probe, fed with the thermocouple status
// that the error controller reads from the I/O board. A shorted or open
// reading is only suspect at first (too low, too high); it becomes an error
// once it has lasted 300 s without interruption, measured on KivClock.
class TempProbeStateManager : public TarnStateMachine
{
    Q_OBJECT
    Q_PROPERTY(int tps READ get_tps WRITE set_tps NOTIFY tpsChanged)
    Q_PROPERTY(int tpvalue READ get_tpvalue WRITE set_tpvalue NOTIFY tpvalueChanged)
    Q_PROPERTY(int tpNumber READ get_tpNumber WRITE set_tpNumber NOTIFY tpNumberChanged)
    Q_PROPERTY(bool ignoreErrorsFlag READ get_ignoreErrorsFlag WRITE set_ignoreErrorsFlag NOTIFY ignoreErrorsFlagChanged)

public:
    enum TempProbeStates_enum {
        TPS_UNKNOWN = -1,
        TPS_VALID = 0,
        TPS_TOO_LOW = 1,
        TPS_SHORTED_ERROR = 2,
        TPS_TOO_HIGH = 3,
        TPS_OPEN_ERROR = 4
    };
    Q_ENUM(TempProbeStates_enum)

    enum TempProbeValues_enum {
        TPV_SHORTED = -327,
        TPV_NORMAL = 0,
        TPV_OPEN = 327
    };
    Q_ENUM(TempProbeValues_enum)

    // How long a suspect reading must last before it counts as an error.
    static constexpr int kErrorDelaySecs = 300;
    static constexpr int kErrorCheckIntervalMs = 1000;

    explicit TempProbeStateManager(QObject *parent = nullptr);

    int get_tps() const { return m_tps; }
    int get_tpvalue() const { return m_tpvalue; }
    int get_tpNumber() const { return m_tpNumber; }
    bool get_ignoreErrorsFlag() const { return m_ignoreErrorsFlag; }

signals:
    void tpsChanged(int value);
    void tpvalueChanged(int value);
    void tpNumberChanged(int value);
    void ignoreErrorsFlagChanged(bool value);
    void ignoreErrorsSignal();
    void tpsNormal();
    void tpsOpen();
    void tpsShorted();
    void tpsOpenError();
    void tpsShortedError();

public slots:
    void set_tps(int value);
    void set_tpvalue(int value);
    void set_tpNumber(int value);
    void set_ignoreErrorsFlag(bool value);

    void managerState_onEntry() {}
    void managerState_onExit() {}
    void unknownState_onEntry();
    void unknownState_onExit() {}
    void ignoreErrorsState_onEntry() {}
    void ignoreErrorsState_onExit() {}
    void validState_onEntry();
    void validState_onExit() {}
    void tooLowState_onEntry();
    void tooLowState_onExit();
    void shortedState_onEntry();
    void shortedState_onExit() {}
    void tooHighState_onEntry();
    void tooHighState_onExit();
    void openedState_onEntry();
    void openedState_onExit() {}

    // A temperature reading: at or beyond the sensor's limits it counts as
    // shorted (low end) or open (high end).
    void processNewValue(int value);
    // err is the low byte of the probe's status register: 0 none,
    // 1 shorted, 2 open. Statuses of other probes are ignored.
    void processTcErrorState(quint16 itemNumber, quint16 err);
    bool longEnough4Error();

private:
    void buildMachine();
    void enterState(int tps);

    int m_tps = TPS_UNKNOWN;
    int m_tpvalue = -1;
    int m_tpNumber = -1;
    bool m_ignoreErrorsFlag = false;
    QDateTime stateEntryTime;
    QTimer errorDelayTimer;
};
