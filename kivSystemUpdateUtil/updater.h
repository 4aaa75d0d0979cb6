#pragma once

#include "statemachine/tarnstatemachine.h"

#include <QByteArray>
#include <QMap>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QTimer>

class CanbusManager;
class QModbusMaster;
class QModbusPollInfo;
class QSerialPort;
class QState;

// The update utility's controller. It finds the parts of an unpacked update
// package (checkUpdateFiles), remembers what the install steps need, and
// publishes every part's state to the screens through its properties.
//
// Its chart runs one update: idleState checks the package in the working
// directory; updatingState runs the display parts and the board parts side
// by side, then the data parts one after another; updateDoneState reports
// the result. A failure never stops the update: it is appended to
// updaterDialogMsg and recorded in updateFailed.
class Updater : public TarnStateMachine
{
    Q_OBJECT
    Q_PROPERTY(bool applicationUpdateAvailable READ get_applicationUpdateAvailable WRITE set_applicationUpdateAvailable NOTIFY applicationUpdateAvailableChanged)
    Q_PROPERTY(bool configUpdateAvailable READ get_configUpdateAvailable WRITE set_configUpdateAvailable NOTIFY configUpdateAvailableChanged)
    Q_PROPERTY(bool splashScreenUpdateAvailable READ get_splashScreenUpdateAvailable WRITE set_splashScreenUpdateAvailable NOTIFY splashScreenUpdateAvailableChanged)
    Q_PROPERTY(bool sibUpdateAvailable READ get_sibUpdateAvailable WRITE set_sibUpdateAvailable NOTIFY sibUpdateAvailableChanged)
    Q_PROPERTY(bool nfcAppUpdateAvailable READ get_nfcAppUpdateAvailable WRITE set_nfcAppUpdateAvailable NOTIFY nfcAppUpdateAvailableChanged)
    Q_PROPERTY(bool cookbookUpdateAvailable READ get_cookbookUpdateAvailable WRITE set_cookbookUpdateAvailable NOTIFY cookbookUpdateAvailableChanged)
    Q_PROPERTY(bool cleaningUpdateAvailable READ get_cleaningUpdateAvailable WRITE set_cleaningUpdateAvailable NOTIFY cleaningUpdateAvailableChanged)
    Q_PROPERTY(bool kernelUpdateAvailable READ get_kernelUpdateAvailable WRITE set_kernelUpdateAvailable NOTIFY kernelUpdateAvailableChanged)
    Q_PROPERTY(bool soundsUpdateAvailable READ get_soundsUpdateAvailable WRITE set_soundsUpdateAvailable NOTIFY soundsUpdateAvailableChanged)
    Q_PROPERTY(bool helpfilesUpdateAvailable READ get_helpfilesUpdateAvailable WRITE set_helpfilesUpdateAvailable NOTIFY helpfilesUpdateAvailableChanged)
    Q_PROPERTY(bool languagesUpdateAvailable READ get_languagesUpdateAvailable WRITE set_languagesUpdateAvailable NOTIFY languagesUpdateAvailableChanged)
    Q_PROPERTY(bool updatePackageAvailable READ get_updatePackageAvailable WRITE set_updatePackageAvailable NOTIFY updatePackageAvailableChanged)
    Q_PROPERTY(bool usbStorageAvailable READ get_usbStorageAvailable WRITE set_usbStorageAvailable NOTIFY usbStorageAvailableChanged)
    Q_PROPERTY(bool autoInstall READ get_autoInstall WRITE set_autoInstall NOTIFY autoInstallChanged)
    Q_PROPERTY(bool cloudUpdate READ get_cloudUpdate WRITE set_cloudUpdate NOTIFY cloudUpdateChanged)
    Q_PROPERTY(int checkForSlaveUiProgress READ get_checkForSlaveUiProgress WRITE set_checkForSlaveUiProgress NOTIFY checkForSlaveUiProgressChanged)
    Q_PROPERTY(QString updaterDialogMsg READ get_updaterDialogMsg WRITE set_updaterDialogMsg NOTIFY updaterDialogMsgChanged)
    Q_PROPERTY(QString uiUpdateInfoTxt READ get_uiUpdateInfoTxt WRITE set_uiUpdateInfoTxt NOTIFY uiUpdateInfoTxtChanged)
    Q_PROPERTY(QString sibUpdateInfoTxt READ get_sibUpdateInfoTxt WRITE set_sibUpdateInfoTxt NOTIFY sibUpdateInfoTxtChanged)
    Q_PROPERTY(QString nfcUpdateInfoTxt READ get_nfcUpdateInfoTxt WRITE set_nfcUpdateInfoTxt NOTIFY nfcUpdateInfoTxtChanged)
    Q_PROPERTY(QString cbUpdateInfoTxt READ get_cbUpdateInfoTxt WRITE set_cbUpdateInfoTxt NOTIFY cbUpdateInfoTxtChanged)
    Q_PROPERTY(QString clUpdateInfoTxt READ get_clUpdateInfoTxt WRITE set_clUpdateInfoTxt NOTIFY clUpdateInfoTxtChanged)
    Q_PROPERTY(QString osUpdateInfoTxt READ get_osUpdateInfoTxt WRITE set_osUpdateInfoTxt NOTIFY osUpdateInfoTxtChanged)
    Q_PROPERTY(QString soundUpdateInfoTxt READ get_soundUpdateInfoTxt WRITE set_soundUpdateInfoTxt NOTIFY soundUpdateInfoTxtChanged)
    Q_PROPERTY(QString helpUpdateInfoTxt READ get_helpUpdateInfoTxt WRITE set_helpUpdateInfoTxt NOTIFY helpUpdateInfoTxtChanged)
    Q_PROPERTY(QString languageUpdateInfoTxt READ get_languageUpdateInfoTxt WRITE set_languageUpdateInfoTxt NOTIFY languageUpdateInfoTxtChanged)
    Q_PROPERTY(bool b1SibAutoDownload READ get_b1SibAutoDownload WRITE set_b1SibAutoDownload NOTIFY b1SibAutoDownloadChanged)
    Q_PROPERTY(QString uiCurrentSwVersion READ get_uiCurrentSwVersion WRITE set_uiCurrentSwVersion NOTIFY uiCurrentSwVersionChanged)
    Q_PROPERTY(QString sibCurrentSwVersion READ get_sibCurrentSwVersion WRITE set_sibCurrentSwVersion NOTIFY sibCurrentSwVersionChanged)
    Q_PROPERTY(bool uiUpdateAlreadyInstalled READ get_uiUpdateAlreadyInstalled WRITE set_uiUpdateAlreadyInstalled NOTIFY uiUpdateAlreadyInstalledChanged)
    Q_PROPERTY(QString sibFwFilename READ get_sibFwFilename WRITE set_sibFwFilename NOTIFY sibFwFilenameChanged)
    Q_PROPERTY(int fwUpdateBytes READ get_fwUpdateBytes WRITE set_fwUpdateBytes NOTIFY fwUpdateBytesChanged)
    Q_PROPERTY(int fwUpdateBytesSent READ get_fwUpdateBytesSent WRITE set_fwUpdateBytesSent NOTIFY fwUpdateBytesSentChanged)
    Q_PROPERTY(int fwUpdateProgress READ get_fwUpdateProgress WRITE set_fwUpdateProgress NOTIFY fwUpdateProgressChanged)
    Q_PROPERTY(bool progressDialogVisible READ get_progressDialogVisible WRITE set_progressDialogVisible NOTIFY progressDialogVisibleChanged)
    Q_PROPERTY(int nfcUpdateBytes READ get_nfcUpdateBytes WRITE set_nfcUpdateBytes NOTIFY nfcUpdateBytesChanged)
    Q_PROPERTY(int nfcUpdateBytesSent READ get_nfcUpdateBytesSent WRITE set_nfcUpdateBytesSent NOTIFY nfcUpdateBytesSentChanged)
    Q_PROPERTY(int nfcUpdateProgress READ get_nfcUpdateProgress WRITE set_nfcUpdateProgress NOTIFY nfcUpdateProgressChanged)
    Q_PROPERTY(bool nfcProgressDialogVisible READ get_nfcProgressDialogVisible WRITE set_nfcProgressDialogVisible NOTIFY nfcProgressDialogVisibleChanged)
    Q_PROPERTY(int nfcBoardId READ get_nfcBoardId WRITE set_nfcBoardId NOTIFY nfcBoardIdChanged)
    Q_PROPERTY(uint fileXfrRequestId READ get_fileXfrRequestId WRITE set_fileXfrRequestId NOTIFY fileXfrRequestIdChanged)
    Q_PROPERTY(QString targetPath READ get_targetPath WRITE set_TargetPath NOTIFY targetPathChanged)
    Q_PROPERTY(bool slaveFound READ get_slaveFound WRITE set_slaveFound NOTIFY slaveFoundChanged)
    Q_PROPERTY(QString newAppFilePath READ get_newAppFilePath WRITE set_newAppFilePath NOTIFY newAppFilePathChanged)
    Q_PROPERTY(int totalTimeouts READ get_totalTimeouts WRITE set_totalTimeouts NOTIFY totalTimeoutsChanged)
    Q_PROPERTY(int retryCount READ get_retryCount WRITE set_retryCount NOTIFY retryCountChanged)
    Q_PROPERTY(bool slavePhuUpdateFlag READ get_slavePhuUpdateFlag WRITE set_slavePhuUpdateFlag NOTIFY slavePhuUpdateFlagChanged)
    Q_PROPERTY(int slavePhuId READ get_slavePhuId WRITE set_slavePhuId NOTIFY slavePhuIdChanged)
    Q_PROPERTY(int slaveUpdateProgress READ get_slaveUpdateProgress WRITE set_slaveUpdateProgress NOTIFY slaveUpdateProgressChanged)
    Q_PROPERTY(bool uiPartDone READ get_uiPartDone WRITE set_uiPartDone NOTIFY uiPartDoneChanged)
    Q_PROPERTY(bool configPartDone READ get_configPartDone WRITE set_configPartDone NOTIFY configPartDoneChanged)
    Q_PROPERTY(bool splashScreenDone READ get_splashScreenDone WRITE set_splashScreenDone NOTIFY splashScreenDoneChanged)
    Q_PROPERTY(bool sibPartDone READ get_sibPartDone WRITE set_sibPartDone NOTIFY sibPartDoneChanged)
    Q_PROPERTY(bool canFileXfrActive READ get_canFileXfrActive WRITE set_canFileXfrActive NOTIFY canFileXfrActiveChanged)
    Q_PROPERTY(int orientationId READ get_orientationId WRITE set_orientationId NOTIFY orientationIdChanged)
    Q_PROPERTY(bool updateFailed READ get_updateFailed WRITE set_updateFailed NOTIFY updateFailedChanged)
    Q_PROPERTY(int targetDisplaySelection READ get_targetDisplaySelection WRITE set_targetDisplaySelection NOTIFY targetDisplaySelectionChanged)
    Q_PROPERTY(bool slaveUiNeeded READ get_slaveUiNeeded WRITE set_slaveUiNeeded NOTIFY slaveUiNeededChanged)
    Q_PROPERTY(int nfcBoardCount READ get_nfcBoardCount WRITE set_nfcBoardCount NOTIFY nfcBoardCountChanged)
    // True while the chart waits in idleState for the update to be started:
    // the screen's GO acts only then, so that a second press cannot reach
    // the running update as its next-step signal.
    Q_PROPERTY(bool idleStateActive READ get_idleStateActive NOTIFY idleStateActiveChanged)

public:
    // Bus addresses in the per-node done map.
    static constexpr int IoBoardNode = 1;
    static constexpr int FirstNfcNode = 2;
    static constexpr int SecondNfcNode = 3;

    // port and canbusManager are not owned. The Modbus master "mbm" on the
    // same line is created here and given to parent.
    Updater(QSerialPort *port, CanbusManager *canbusManager, int connectorId,
            QObject *parent = nullptr);
    ~Updater() override;

    bool get_applicationUpdateAvailable() const { return m_applicationUpdateAvailable; }
    bool get_configUpdateAvailable() const { return m_configUpdateAvailable; }
    bool get_splashScreenUpdateAvailable() const { return m_splashScreenUpdateAvailable; }
    bool get_sibUpdateAvailable() const { return m_sibUpdateAvailable; }
    bool get_nfcAppUpdateAvailable() const { return m_nfcAppUpdateAvailable; }
    bool get_cookbookUpdateAvailable() const { return m_cookbookUpdateAvailable; }
    bool get_cleaningUpdateAvailable() const { return m_cleaningUpdateAvailable; }
    bool get_kernelUpdateAvailable() const { return m_kernelUpdateAvailable; }
    bool get_soundsUpdateAvailable() const { return m_soundsUpdateAvailable; }
    bool get_helpfilesUpdateAvailable() const { return m_helpfilesUpdateAvailable; }
    bool get_languagesUpdateAvailable() const { return m_languagesUpdateAvailable; }
    bool get_updatePackageAvailable() const { return m_updatePackageAvailable; }
    bool get_usbStorageAvailable() const { return m_usbStorageAvailable; }
    bool get_autoInstall() const { return m_autoInstall; }
    bool get_cloudUpdate() const { return m_cloudUpdate; }
    int get_checkForSlaveUiProgress() const { return m_checkForSlaveUiProgress; }
    QString get_updaterDialogMsg() const { return m_updaterDialogMsg; }
    QString get_uiUpdateInfoTxt() const { return m_uiUpdateInfoTxt; }
    QString get_sibUpdateInfoTxt() const { return m_sibUpdateInfoTxt; }
    QString get_nfcUpdateInfoTxt() const { return m_nfcUpdateInfoTxt; }
    QString get_cbUpdateInfoTxt() const { return m_cbUpdateInfoTxt; }
    QString get_clUpdateInfoTxt() const { return m_clUpdateInfoTxt; }
    QString get_osUpdateInfoTxt() const { return m_osUpdateInfoTxt; }
    QString get_soundUpdateInfoTxt() const { return m_soundUpdateInfoTxt; }
    QString get_helpUpdateInfoTxt() const { return m_helpUpdateInfoTxt; }
    QString get_languageUpdateInfoTxt() const { return m_languageUpdateInfoTxt; }
    bool get_b1SibAutoDownload() const { return m_b1SibAutoDownload; }
    QString get_uiCurrentSwVersion() const { return m_uiCurrentSwVersion; }
    QString get_sibCurrentSwVersion() const { return m_sibCurrentSwVersion; }
    bool get_uiUpdateAlreadyInstalled() const { return m_uiUpdateAlreadyInstalled; }
    QString get_sibFwFilename() const { return m_sibFwFilename; }
    int get_fwUpdateBytes() const { return m_fwUpdateBytes; }
    int get_fwUpdateBytesSent() const { return m_fwUpdateBytesSent; }
    int get_fwUpdateProgress() const { return m_fwUpdateProgress; }
    bool get_progressDialogVisible() const { return m_progressDialogVisible; }
    int get_nfcUpdateBytes() const { return m_nfcUpdateBytes; }
    int get_nfcUpdateBytesSent() const { return m_nfcUpdateBytesSent; }
    int get_nfcUpdateProgress() const { return m_nfcUpdateProgress; }
    bool get_nfcProgressDialogVisible() const { return m_nfcProgressDialogVisible; }
    int get_nfcBoardId() const { return m_nfcBoardId; }
    uint get_fileXfrRequestId() const { return m_fileXfrRequestId; }
    QString get_targetPath() const { return m_targetPath; }
    bool get_slaveFound() const { return m_slaveFound; }
    QString get_newAppFilePath() const { return m_newAppFilePath; }
    int get_totalTimeouts() const { return m_totalTimeouts; }
    int get_retryCount() const { return m_retryCount; }
    bool get_slavePhuUpdateFlag() const { return m_slavePhuUpdateFlag; }
    int get_slavePhuId() const { return m_slavePhuId; }
    int get_slaveUpdateProgress() const { return m_slaveUpdateProgress; }
    bool get_uiPartDone() const { return m_uiPartDone; }
    bool get_configPartDone() const { return m_configPartDone; }
    bool get_splashScreenDone() const { return m_splashScreenDone; }
    bool get_sibPartDone() const { return m_sibPartDone; }
    bool get_canFileXfrActive() const { return m_canFileXfrActive; }
    int get_orientationId() const { return m_orientationId; }
    bool get_updateFailed() const { return m_updateFailed; }
    int get_targetDisplaySelection() const { return m_targetDisplaySelection; }
    bool get_slaveUiNeeded() const { return m_slaveUiNeeded; }
    int get_nfcBoardCount() const { return m_nfcBoardCount; }
    bool get_idleStateActive() const { return m_idleStateActive; }

    // Values the check remembers for the install steps.
    QString packageRoot() const { return m_packageRoot; }
    QString newAppFileName() const { return m_newAppFileName; }
    QString configFileName() const { return m_configFileName; }
    QString sibFwFileName() const { return m_sibFwFileName; }
    QString nfcFwFileName() const { return m_nfcFwFileName; }
    QStringList cookbookEntries() const { return m_cookbookEntries; }
    QStringList soundEntries() const { return m_soundEntries; }
    QStringList languageEntries() const { return m_languageEntries; }
    // Bus address -> done; false for every board the package updates.
    QMap<int, bool> nodeDoneMap() const { return m_nodeDone; }

    // Bus node being programmed: 1 the I/O board, 2 and 3 the NFC boards.
    int currentNode() const { return m_currentNode; }
    int rollCallTries() const { return m_rollCallTries; }

    // The result file the controller reads at its next start.
    static QString resultFilePath(); // "/root/updates/firmwareUpdateResult.txt", re-rooted
    // The firmware-update event sent on the D-Bus; timestampMs is the time
    // of the report in milliseconds since the epoch.
    static QByteArray firmwareUpdatedEvent(bool result, qint64 timestampMs);
    // The failures an update listed in its dialog text, as one plain line.
    static QString failureReasons(const QString &dialogMsg);
    // The name field that opens a file transfer to the other display: the
    // UTF-8 name zero-padded to 64 bytes. A name that does not fit goes as
    // "/root/" and its last component (all the receiver keeps); empty when
    // even that does not fit.
    static constexpr int kFileNameFieldBytes = 64;
    static QByteArray fileTransferNameField(const QString &targetFilename);

    QSerialPort *serialPort() const { return m_serialPort; }
    CanbusManager *canbusManager() const { return m_canbusManager; }
    // Null once its owner has deleted it.
    QModbusMaster *modbusMaster() const;

    // Runs every timer of the chart at scale times its interval, so that a
    // test of 30 retries takes milliseconds. 1 (the default) everywhere else.
    void setTimerScale(double scale) { m_timerScale = scale; }

public slots:
    void set_applicationUpdateAvailable(bool value);
    void set_configUpdateAvailable(bool value);
    void set_splashScreenUpdateAvailable(bool value);
    void set_sibUpdateAvailable(bool value);
    void set_nfcAppUpdateAvailable(bool value);
    void set_cookbookUpdateAvailable(bool value);
    void set_cleaningUpdateAvailable(bool value);
    void set_kernelUpdateAvailable(bool value);
    void set_soundsUpdateAvailable(bool value);
    void set_helpfilesUpdateAvailable(bool value);
    void set_languagesUpdateAvailable(bool value);
    void set_updatePackageAvailable(bool value);
    void set_usbStorageAvailable(bool value);
    void set_autoInstall(bool value);
    void set_cloudUpdate(bool value);
    void set_checkForSlaveUiProgress(int value);
    void set_updaterDialogMsg(const QString &value);
    void set_uiUpdateInfoTxt(const QString &value);
    void set_sibUpdateInfoTxt(const QString &value);
    void set_nfcUpdateInfoTxt(const QString &value);
    void set_cbUpdateInfoTxt(const QString &value);
    void set_clUpdateInfoTxt(const QString &value);
    void set_osUpdateInfoTxt(const QString &value);
    void set_soundUpdateInfoTxt(const QString &value);
    void set_helpUpdateInfoTxt(const QString &value);
    void set_languageUpdateInfoTxt(const QString &value);
    void set_b1SibAutoDownload(bool value);
    void set_uiCurrentSwVersion(const QString &value);
    void set_sibCurrentSwVersion(const QString &value);
    void set_uiUpdateAlreadyInstalled(bool value);
    void set_sibFwFilename(const QString &value);
    void set_fwUpdateBytes(int value);
    void set_fwUpdateBytesSent(int value);
    void set_fwUpdateProgress(int value);
    void set_progressDialogVisible(bool value);
    void set_nfcUpdateBytes(int value);
    void set_nfcUpdateBytesSent(int value);
    void set_nfcUpdateProgress(int value);
    void set_nfcProgressDialogVisible(bool value);
    void set_nfcBoardId(int value);
    void set_fileXfrRequestId(uint value);
    void set_TargetPath(const QString &value);
    void set_slaveFound(bool value);
    void set_newAppFilePath(const QString &value);
    void set_totalTimeouts(int value);
    void set_retryCount(int value);
    void set_slavePhuUpdateFlag(bool value);
    void set_slavePhuId(int value);
    void set_slaveUpdateProgress(int value);
    void set_uiPartDone(bool value);
    void set_configPartDone(bool value);
    void set_splashScreenDone(bool value);
    void set_sibPartDone(bool value);
    void set_canFileXfrActive(bool value);
    void set_orientationId(int value);
    void set_updateFailed(bool value);
    void set_targetDisplaySelection(int value);
    void set_slaveUiNeeded(bool value);
    void set_nfcBoardCount(int value);

    void checkUpdateFiles(QString folder);
    bool isAnyUpdateAvailable();
    void updateCanceled();
    void updateTerminated();
    void processUpdate();
    void syncFileSystemForce();

    // ---- guards ----
    bool uiAndSibPartsDone();
    bool retryPossible();
    bool noRetryPossible();
    bool moreToSend();
    bool noMoreToSend();
    bool nfcMoreToSend();
    bool nfcNoMoreToSend();
    bool nfcAllNodesDone();
    bool allNodesUpdateDone();
    bool startAppRetryPossible();
    bool noStartAppRetryPossible();

    // ---- transition actions ----
    void setUiPartDoneTrue();
    void setConfigPartDoneTrue();
    void setSplashScreenDoneTrue();
    void setSibPartDoneTrue();
    void setNodePartDoneTrue();
    void incRetryCount();
    void clearRetryCount();
    void retryCheckForSlaveUi();
    void requestStartApp();
    void incFwOffset();
    void nfcIncFwOffset();
    void requestBootloadStart();
    void nodeTooManyRetries();
    void sibFileError();
    void nfcFileError();
    void notifyUserOfSlaveUpdateFailure();
    void notifyUserSlaveUpdateConfTimeout();
    void logTransitionTriggered();
    void setNfcNodesDoneTrue();
    void startAppNotAcknowledged();
    void countUnansweredStatusPoll();

    // Wire work of the board transfers (bootloader frames, then Modbus for
    // the secondary heater boards) and of the secondary display over CAN.
    void processReceivedData();
    void sendStartAppMsg();
    void requestMasterIoBootloadMode();
    void requestNfcBootloadMode(int node);
    void sendFwPacket();
    void sendNfcFwPacket();
    void loadSibFirmwareImage();
    void loadNfcFirmwareImage();
    void sendGetPhuOperationMode();
    void processPhuOperationMode();
    void sendGetFwUpdateStatus();
    void processFwUpdateStatus();
    void sendProgramSlavesCommand();
    void sendRequestRollCallMsg();
    bool sendFileViaCanbus(QString filename, QString targetFilename, int fileTxfId);
    void sendInstallAppMsg(QString appName);
    void processCanMsg(QByteArray msg);
    void processSlaveReporting(int id);
    void requestServedSlot(quint32 rid);

    // ---- install steps ----
    void install_startScript();
    void install_applicationUpdate();
    void install_sibUpdate();
    void install_nfcUpdate();
    void install_cookbookUpdate();
    void install_cleaningUpdate();
    void install_kernelUpdate();
    void install_soundsUpdate();
    void install_helpfilesUpdate();
    void install_languagesUpdate();
    void install_updatePackage();
    void install_usbStorage();
    void remove_updates_tmp();
    void get_swVersionsFromB1App();
    void request_b1_fwu(QString sibFilename);
    void receive_ipc_message(QString message, QByteArray data);
    void checkIfUiAlreadyInstalled(QString rev_string);

    // ---- result, report and exit ----
    void firmwareUpdateDone(bool result);
    void writeDbusMessage(QString path, QString serviceName, QString signalName, QString data);
    QString getUpdaterSwVersion();
    void handleReceivedIoTInfo(QString iotJsonInfo);
    void exitUpdateApp();
    bool removeDir(QString path);

    // ---- state entry and exit actions ----
    void idleState_onEntry();
    void idleState_onExit();
    void updatingState_onEntry();
    void updatingState_onExit();
    void uiSibParallelState_onEntry();
    void uiSibParallelState_onExit();
    void uiUpdatePart_onEntry();
    void uiUpdatePart_onExit();
    void uiUpdateState_onEntry();
    void uiUpdateState_onExit();
    void uiSlaveUpdateState_onEntry();
    void uiSlaveUpdateState_onExit();
    void findSlaveState_onEntry();
    void findSlaveState_onExit();
    void sendApp2SlaveState_onEntry();
    void sendApp2SlaveState_onExit();
    void uiSlaveUpdateConfirmState_onEntry();
    void uiSlaveUpdateConfirmState_onExit();
    void uiConfigUpdateState_onEntry();
    void uiConfigUpdateState_onExit();
    void configFindSlaveState_onEntry();
    void configFindSlaveState_onExit();
    void sendConfig2SlaveState_onEntry();
    void sendConfig2SlaveState_onExit();
    void uiSplashScreenUpdateState_onEntry();
    void uiSplashScreenUpdateState_onExit();
    void splashScreenFindSlaveState_onEntry();
    void splashScreenFindSlaveState_onExit();
    void splashScreen2SlaveState_onEntry();
    void splashScreen2SlaveState_onExit();
    void sibUpdatePart_onEntry();
    void sibUpdatePart_onExit();
    void sibUpdateState_onEntry();
    void sibUpdateState_onExit();
    void sibUpdateAvailableState_onEntry();
    void sibUpdateAvailableState_onExit();
    void requestBootloadState_onEntry();
    void requestBootloadState_onExit();
    void sendFileState_onEntry();
    void sendFileState_onExit();
    void sendSegmentPreWait_onEntry();
    void sendSegmentPreWait_onExit();
    void packetSentState_onEntry();
    void packetSentState_onExit();
    void packetWaitState_onEntry();
    void packetWaitState_onExit();
    void mainPhuUpdateFinishedState_onEntry();
    void mainPhuUpdateFinishedState_onExit();
    void slavePHusUpdate_onEntry();
    void slavePHusUpdate_onExit();
    void waitForMainPhuApp_onEntry();
    void waitForMainPhuApp_onExit();
    void secondaryBoardsUpdate_onEntry();
    void secondaryBoardsUpdate_onExit();
    void waitForAllPhus_onEntry();
    void waitForAllPhus_onExit();
    void nfcUpdateState_onEntry();
    void nfcUpdateState_onExit();
    void nfcUpdateAvailableState_onEntry();
    void nfcUpdateAvailableState_onExit();
    void nfcRequestBootloadState_onEntry();
    void nfcRequestBootloadState_onExit();
    void nfcSendFileState_onEntry();
    void nfcSendFileState_onExit();
    void nfcSendSegmentPreWait_onEntry();
    void nfcSendSegmentPreWait_onExit();
    void nfcPacketSentState_onEntry();
    void nfcPacketSentState_onExit();
    void nfcPacketWaitState_onEntry();
    void nfcPacketWaitState_onExit();
    void nfcUpdateFinishedState_onEntry();
    void nfcUpdateFinishedState_onExit();
    void cookbookUpdateState_onEntry();
    void cookbookUpdateState_onExit();
    void cleaningUpdateState_onEntry();
    void cleaningUpdateState_onExit();
    void osUpdateState_onEntry();
    void osUpdateState_onExit();
    void soundsUpdateState_onEntry();
    void soundsUpdateState_onExit();
    void helpUpdateState_onEntry();
    void helpUpdateState_onExit();
    void languagesUpdateState_onEntry();
    void languagesUpdateState_onExit();
    void updateDoneState_onEntry();
    void updateDoneState_onExit();
    void updateErrorState_onEntry();
    void updateErrorState_onExit();

signals:
    void applicationUpdateAvailableChanged(bool value);
    void configUpdateAvailableChanged(bool value);
    void splashScreenUpdateAvailableChanged(bool value);
    void sibUpdateAvailableChanged(bool value);
    void nfcAppUpdateAvailableChanged(bool value);
    void cookbookUpdateAvailableChanged(bool value);
    void cleaningUpdateAvailableChanged(bool value);
    void kernelUpdateAvailableChanged(bool value);
    void soundsUpdateAvailableChanged(bool value);
    void helpfilesUpdateAvailableChanged(bool value);
    void languagesUpdateAvailableChanged(bool value);
    void updatePackageAvailableChanged(bool value);
    void usbStorageAvailableChanged(bool value);
    void autoInstallChanged(bool value);
    void cloudUpdateChanged(bool value);
    void checkForSlaveUiProgressChanged(int value);
    void updaterDialogMsgChanged(QString value);
    void uiUpdateInfoTxtChanged(QString value);
    void sibUpdateInfoTxtChanged(QString value);
    void nfcUpdateInfoTxtChanged(QString value);
    void cbUpdateInfoTxtChanged(QString value);
    void clUpdateInfoTxtChanged(QString value);
    void osUpdateInfoTxtChanged(QString value);
    void soundUpdateInfoTxtChanged(QString value);
    void helpUpdateInfoTxtChanged(QString value);
    void languageUpdateInfoTxtChanged(QString value);
    void b1SibAutoDownloadChanged(bool value);
    void uiCurrentSwVersionChanged(QString value);
    void sibCurrentSwVersionChanged(QString value);
    void uiUpdateAlreadyInstalledChanged(bool value);
    void sibFwFilenameChanged(QString value);
    void fwUpdateBytesChanged(int value);
    void fwUpdateBytesSentChanged(int value);
    void fwUpdateProgressChanged(int value);
    void progressDialogVisibleChanged(bool value);
    void nfcUpdateBytesChanged(int value);
    void nfcUpdateBytesSentChanged(int value);
    void nfcUpdateProgressChanged(int value);
    void nfcProgressDialogVisibleChanged(bool value);
    void nfcBoardIdChanged(int value);
    void fileXfrRequestIdChanged(uint value);
    void targetPathChanged(QString value);
    void slaveFoundChanged(bool value);
    void newAppFilePathChanged(QString value);
    void totalTimeoutsChanged(int value);
    void retryCountChanged(int value);
    void slavePhuUpdateFlagChanged(bool value);
    void slavePhuIdChanged(int value);
    void slaveUpdateProgressChanged(int value);
    void uiPartDoneChanged(bool value);
    void configPartDoneChanged(bool value);
    void splashScreenDoneChanged(bool value);
    void sibPartDoneChanged(bool value);
    void canFileXfrActiveChanged(bool value);
    void orientationIdChanged(int value);
    void updateFailedChanged(bool value);
    void targetDisplaySelectionChanged(int value);
    void slaveUiNeededChanged(bool value);
    void nfcBoardCountChanged(int value);
    void idleStateActiveChanged(bool value);

    void updateChangeDetected();
    void requestRestart();
    void quit();

    // Signals that drive the chart.
    void startUpdateNextStep();
    void uiAppPartFinished();
    void uiConfigPartFinished();
    void uiSplashScreenPartFinished();
    void sendAppFileToSlave();
    void fileXfrFinished();
    void slaveFound();
    void slaveNotFound();
    void newAppInstallSucceeded();
    void newAppInstallFailed();
    void sibUpdateProceed();
    void sibUpdateGo2NextStep();
    void nfcUpdateProceed();
    void nfcUpdateGo2NextStep();
    void nfcUpdateNextBoard();
    void received_packet_OK();
    void sibFileIsNotGood();
    void nfcFileIsNotGood();
    void getFwUpdateDetailsSignal();
    void notProgrammingPhusSignal();
    void finishedUpdatingSlaves();
    void updatesDone();

    // Outcomes of the install steps, for the screens.
    void fwupdate_copied();
    void nfcfwupdate_copied();
    void cookbookFiles_copied();
    void cookbookFiles_copy_failed();
    void cleaningProfiles_copied();
    void cleaningProfiles_copy_failed();
    void soundFiles_copied();
    void soundFiles_copy_failed();
    void languageFiles_copied();
    void languageFiles_copy_failed();
    void b1AppInstall_succeeded();
    void fwupdate_succeeded();
    void raise_this_window();

private slots:
    // The RS-485 line of the bootloader replies; the Modbus master keeps the
    // port it was created on.
    void set_serialPort(QSerialPort *port);

private:
    void buildMachine();
    void restartTimer(QTimer &timer, int ms, bool singleShot);
    // Writes one bootloader frame after dropping what the line and the
    // receive buffer held: nothing received before a frame answers it.
    void sendFrame(const QByteArray &frame);
    // Reads and checks a firmware file; a file that cannot be read gives an
    // empty image that is not good.
    QByteArray loadFirmwareImage(const QString &path, bool *good);
    QObject *triggerSender(const char *senderName);
    // Appends "<br>", the phrase and the text to updaterDialogMsg.
    void appendDialogLine(const QString &phrase, const QString &text);
    // Copies one package file into place (start script and firmware); true
    // when the copy succeeded. A failed removal or copy is reported.
    bool copyIntoPlace(const QString &source, const QString &target, const QString &separator);
    // Installs the listed regular files of one package folder into
    // targetFolder and returns the status text; *failed tells whether any
    // entry was not installed (links, special files and anything of a
    // folder outside the package are skipped, logged and count as failed).
    QString copyFolder(const QString &packageFolder, const QStringList &entries,
                       const QString &targetFolder, bool *failed);
    void writeResultFile();
    void logPackageCheck(const QString &folder);
    // Entries of a package folder, "." and ".." included, sorted by
    // character code.
    static QStringList sortedEntries(const QString &path);
    static int countWithoutDots(const QStringList &entries);

    QSerialPort *m_serialPort;
    CanbusManager *m_canbusManager;
    QPointer<QModbusMaster> m_modbusMaster;
    QState *m_idleState = nullptr;

    QTimer m_uiAndSibPartsDoneTimer;
    QTimer m_sibIoAckTimer;
    QTimer m_sendSegPreWaitTimer;
    QTimer m_packetWaitTimer;
    QTimer m_findSlaveTimer;
    QTimer m_appInstallConfirmTimer;
    QTimer m_sibUpdateStepTimer;

    QModbusPollInfo *m_phuOperationModePollInfo = nullptr;
    QModbusPollInfo *m_phuFwUpdateStatusPollInfo = nullptr;
    QModbusPollInfo *m_phuProgramCommandPollInfo = nullptr;

    int m_currentNode = IoBoardNode;
    int m_rollCallTries = 0;
    // Firmware images being sent, with the offset and length of the packet
    // last built; an image is good only once it has been loaded and checked.
    QByteArray m_fwImage;
    int m_fwOffset = 0;
    int m_fwPacketLength = 0;
    bool m_fwImageGood = false;
    QByteArray m_nfcImage;
    int m_nfcOffset = 0;
    int m_nfcPacketLength = 0;
    bool m_nfcImageGood = false;
    // Bytes received since the last frame was sent.
    QByteArray m_receiveBuffer;
    // Start-application frames sent to the I/O board since its last packet.
    int m_startAppFramesSent = 0;
    // Status polls of the secondary heater boards since the I/O board last
    // gave a good answer.
    int m_unansweredStatusPolls = 0;
    double m_timerScale = 1.0;

    bool m_updateCanceled = false;
    QString m_packageRoot;
    QString m_newAppFileName;
    QString m_configFileName;
    QString m_sibFwFileName;
    QString m_nfcFwFileName;
    QStringList m_cookbookEntries;
    QStringList m_soundEntries;
    QStringList m_languageEntries;
    QMap<int, bool> m_nodeDone;

    bool m_applicationUpdateAvailable = false;
    bool m_configUpdateAvailable = false;
    bool m_splashScreenUpdateAvailable = false;
    bool m_sibUpdateAvailable = false;
    bool m_nfcAppUpdateAvailable = false;
    bool m_cookbookUpdateAvailable = false;
    bool m_cleaningUpdateAvailable = false;
    bool m_kernelUpdateAvailable = false;
    bool m_soundsUpdateAvailable = false;
    bool m_helpfilesUpdateAvailable = false;
    bool m_languagesUpdateAvailable = false;
    bool m_updatePackageAvailable = false;
    bool m_usbStorageAvailable = false;
    bool m_autoInstall = false;
    bool m_cloudUpdate = false;
    int m_checkForSlaveUiProgress = 0;
    QString m_updaterDialogMsg;
    QString m_uiUpdateInfoTxt;
    QString m_sibUpdateInfoTxt;
    QString m_nfcUpdateInfoTxt;
    QString m_cbUpdateInfoTxt;
    QString m_clUpdateInfoTxt;
    QString m_osUpdateInfoTxt;
    QString m_soundUpdateInfoTxt;
    QString m_helpUpdateInfoTxt;
    QString m_languageUpdateInfoTxt;
    bool m_b1SibAutoDownload = true;
    QString m_uiCurrentSwVersion;
    QString m_sibCurrentSwVersion;
    bool m_uiUpdateAlreadyInstalled = false;
    QString m_sibFwFilename;
    int m_fwUpdateBytes = 0;
    int m_fwUpdateBytesSent = 0;
    int m_fwUpdateProgress = 0;
    bool m_progressDialogVisible = false;
    int m_nfcUpdateBytes = 0;
    int m_nfcUpdateBytesSent = 0;
    int m_nfcUpdateProgress = 0;
    bool m_nfcProgressDialogVisible = false;
    int m_nfcBoardId = 0;
    uint m_fileXfrRequestId = 0;
    QString m_targetPath = QStringLiteral("/root");
    bool m_slaveFound = false;
    QString m_newAppFilePath;
    int m_totalTimeouts = 0;
    int m_retryCount = 0;
    bool m_slavePhuUpdateFlag = false;
    int m_slavePhuId = -1;
    int m_slaveUpdateProgress = 0;
    bool m_uiPartDone = false;
    bool m_configPartDone = false;
    bool m_splashScreenDone = false;
    bool m_sibPartDone = false;
    bool m_canFileXfrActive = false;
    int m_orientationId = 0;
    bool m_updateFailed = false;
    int m_targetDisplaySelection = 0;
    bool m_slaveUiNeeded = false;
    int m_nfcBoardCount = 0;
    bool m_idleStateActive = false;
};
