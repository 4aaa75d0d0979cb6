#pragma once

#include "updateutiloptions.h"

#include <QList>
#include <QObject>
#include <QPointer>

#include <memory>

class CanThread;
class CanbusManager;
class QQmlApplicationEngine;
class QSerialPort;
class QStateMachine;
class StateTracer;
class Updater;

// The update utility's start-up: reads the command line and the display's
// personality file, opens the RS-485 line and the CAN link, creates the
// Updater, publishes both to the screens and loads the main screen. Every
// object lives until the program ends; the Updater and the CAN bus manager
// are children of owner (the application in the program).
class UpdaterStartup
{
public:
    static const char kMainQml[]; // "qrc:///files/qml/tarn_updater/main.qml"

    UpdaterStartup(const QStringList &arguments, QObject *owner);
    ~UpdaterStartup();
    UpdaterStartup(const UpdaterStartup &) = delete;
    UpdaterStartup &operator=(const UpdaterStartup &) = delete;

    // Starts the Updater's machine, then the CAN bus manager's.
    void startMachines();

    // Reads the first "*.hcc" file of the application directory and updates
    // only the values it supplies; problems are logged and change nothing.
    static void readFileIdDisplayOrientation(bool &portrait, bool &verticalFlip,
                                             bool &slaveUiNeeded, int &nfcBoardCount);

    const UpdateUtilOptions &options() const { return m_options; }
    bool portrait() const { return m_portrait; }
    bool verticalFlip() const { return m_verticalFlip; }
    Updater *updater() const;
    CanbusManager *canbusManager() const;
    CanThread *canThread() const { return m_canThread.get(); }
    QSerialPort *serialPort() const { return m_serialPort.get(); }
    QQmlApplicationEngine *engine() const { return m_engine.get(); }
    // The state machines that "-trace(...)" named and were found, and
    // their tracers (in the same order, windows hidden).
    QList<QStateMachine *> tracedMachines() const { return m_tracedMachines; }
    QList<StateTracer *> tracers() const { return m_tracers; }

private:
    static void openSerialPort(QSerialPort *port);
    void findMachinesToTrace(QObject *owner);

    UpdateUtilOptions m_options;
    bool m_portrait = false;
    bool m_verticalFlip = false;
    std::unique_ptr<CanThread> m_canThread;
    QPointer<CanbusManager> m_canbusManager;
    std::unique_ptr<QQmlApplicationEngine> m_engine;
    std::unique_ptr<QSerialPort> m_serialPort;
    QPointer<Updater> m_updater;
    QList<QStateMachine *> m_tracedMachines;
    QList<StateTracer *> m_tracers;
};
