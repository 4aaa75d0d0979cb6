#include "updater.h"

#include "canbus/canbusmanager.h"
#include "modbus/qmodbusmaster.h"
#include "platform/kivroot.h"
#include "platform/toolrunner.h"
#include "statemachine/statemachinebuilder.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSerialPort>
#include <QState>

#include <algorithm>

Updater::Updater(QSerialPort *port, CanbusManager *canbusManager, int connectorId, QObject *parent)
    : TarnStateMachine(parent)
    , m_serialPort(port)
    , m_canbusManager(canbusManager)
    , m_orientationId(connectorId)
{
    m_modbusMaster = new QModbusMaster(port, parent ? parent : this);
    m_modbusMaster->setObjectName(QStringLiteral("mbm"));
    buildMachine();
}

Updater::~Updater() = default;

QModbusMaster *Updater::modbusMaster() const
{
    return m_modbusMaster;
}

void Updater::buildMachine()
{
    StateMachineBuilder b(this);
    m_idleState = b.state(this, "idleState");
    setInitialState(m_idleState);
}

// ---- package check ----

QStringList Updater::sortedEntries(const QString &path)
{
    QStringList entries = QDir(path).entryList(QDir::AllEntries | QDir::Hidden | QDir::System,
                                               QDir::Unsorted);
    // By character code, whatever the locale.
    std::sort(entries.begin(), entries.end());
    return entries;
}

int Updater::countWithoutDots(const QStringList &entries)
{
    return int(std::count_if(entries.begin(), entries.end(), [](const QString &name) {
        return name != QLatin1String(".") && name != QLatin1String("..");
    }));
}

void Updater::checkUpdateFiles(QString folder)
{
    const QDir dir(folder);
    const QStringList parts = dir.entryList(QDir::Dirs | QDir::Hidden | QDir::System);
    m_updateCanceled = false;
    if (parts.isEmpty()) {
        set_usbStorageAvailable(false);
        return;
    }
    m_packageRoot = QDir::cleanPath(dir.absolutePath());
    const auto present = [&parts](const char *name) { return parts.contains(QLatin1String(name)); };
    const auto entriesOf = [this](const char *name) {
        return sortedEntries(m_packageRoot + QLatin1Char('/') + QLatin1String(name));
    };
    const auto firstMatching = [](const QStringList &entries, auto matches) {
        const auto it = std::find_if(entries.begin(), entries.end(), matches);
        return it == entries.end() ? QString() : *it;
    };
    const QString binSuffix = QStringLiteral(".bin");

    if (present("app")) {
        m_newAppFileName = firstMatching(entriesOf("app"), [](const QString &name) {
            return name.startsWith(QLatin1String("kivlfb"));
        });
        const bool found = !m_newAppFileName.isEmpty();
        if (found)
            set_uiUpdateInfoTxt(tr("<b>UI software</b>") + QStringLiteral("<br>") + m_newAppFileName);
        set_applicationUpdateAvailable(found);
    }
    if (present("config")) {
        m_configFileName = firstMatching(entriesOf("config"), [](const QString &name) {
            return name.contains(QLatin1String(".hcc"));
        });
        set_configUpdateAvailable(!m_configFileName.isEmpty());
    }
    if (present("splashScreen") && entriesOf("splashScreen").contains(QLatin1String("splash-screen")))
        set_splashScreenUpdateAvailable(true);
    if (present("sibfirmware")) {
        // The newest image is the one sorting last; it must be an image.
        const QStringList entries = entriesOf("sibfirmware");
        const QString last = countWithoutDots(entries) > 0 ? entries.last() : QString();
        const bool found = last.contains(binSuffix);
        if (found) {
            m_sibFwFileName = last;
            set_sibFwFilename(last);
            set_sibUpdateInfoTxt(tr("<b>PHU software</b>") + QStringLiteral("<br>") + last);
            m_nodeDone[IoBoardNode] = false;
        }
        set_sibUpdateAvailable(found);
    }
    if (present("nfcapp")) {
        m_nfcFwFileName = firstMatching(entriesOf("nfcapp"), [&binSuffix](const QString &name) {
            return name.contains(binSuffix);
        });
        const bool found = !m_nfcFwFileName.isEmpty();
        if (found) {
            set_nfcUpdateInfoTxt(tr("<b>NFC software</b>") + QStringLiteral("<br>") + m_nfcFwFileName);
            if (m_nfcBoardCount == 1 || m_nfcBoardCount == 2)
                m_nodeDone[FirstNfcNode] = false;
            if (m_nfcBoardCount == 2)
                m_nodeDone[SecondNfcNode] = false;
        }
        set_nfcAppUpdateAvailable(found);
    }
    if (present("configuration")) {
        const QStringList entries = entriesOf("configuration");
        const bool found = countWithoutDots(entries) > 0;
        if (found) {
            m_cookbookEntries = entries;
            set_cbUpdateInfoTxt(QStringLiteral("<b>Tavolen file</b><br>") + entries.value(2)
                                + QStringLiteral("<br>"));
        }
        set_cookbookUpdateAvailable(found);
    }
    if (present("uImage")) {
        const bool found = countWithoutDots(entriesOf("uImage")) > 0;
        if (found)
            set_osUpdateInfoTxt(QStringLiteral("<b>OS kernel</b>"));
        set_kernelUpdateAvailable(found);
    }
    if (present("sounds")) {
        const QStringList entries = entriesOf("sounds");
        const int count = countWithoutDots(entries);
        if (count > 0) {
            m_soundEntries = entries;
            set_soundUpdateInfoTxt(QStringLiteral("<b>Sound files</b><br>%1 files").arg(count));
        }
        set_soundsUpdateAvailable(count > 0);
    }
    if (present("help")) {
        const int count = countWithoutDots(entriesOf("help"));
        if (count > 0)
            set_helpUpdateInfoTxt(QStringLiteral("<b>Help files</b><br>%1 files").arg(count));
        set_helpfilesUpdateAvailable(count > 0);
    }
    if (present("languages")) {
        const QStringList entries = entriesOf("languages");
        const int count = countWithoutDots(entries);
        if (count > 0) {
            m_languageEntries = entries;
            set_languageUpdateInfoTxt(QStringLiteral("<b>Language files</b><br>%1 files").arg(count));
        }
        set_languagesUpdateAvailable(count > 0);
    }

    if (isAnyUpdateAvailable())
        set_usbStorageAvailable(true);
}

// NFC firmware and languages alone do not make an update: they only ride
// along with one of the parts below.
bool Updater::isAnyUpdateAvailable()
{
    if (m_updateCanceled)
        return false;
    return m_helpfilesUpdateAvailable || m_applicationUpdateAvailable || m_configUpdateAvailable
        || m_splashScreenUpdateAvailable || m_sibUpdateAvailable || m_cookbookUpdateAvailable
        || m_cleaningUpdateAvailable || m_soundsUpdateAvailable || m_kernelUpdateAvailable;
}

void Updater::updateCanceled()
{
    m_updateCanceled = true;
    emit updateChangeDetected();
}

void Updater::updateTerminated()
{
    m_updateCanceled = true;
    emit updateChangeDetected();
    emit requestRestart();
}

void Updater::processUpdate()
{
    if (!m_sibUpdateAvailable)
        return;
    const QString folder = QStringLiteral("/sibfirmware/");
    // QFile::copy never overwrites; a missing destination folder makes the
    // copy fail quietly, and the firmware step then finds no file.
    QFile::copy(m_packageRoot + folder + m_sibFwFileName,
                KivRoot::path(m_targetPath) + folder + m_sibFwFileName);
}

void Updater::syncFileSystemForce()
{
    QProcess *sync = ToolRunner::start(QStringLiteral("/bin/sync"), {}, this);
    connect(sync, qOverload<int, QProcess::ExitStatus>(&QProcess::finished), sync,
            &QObject::deleteLater);
}

// ---- states ----

void Updater::idleState_onEntry()
{
    checkUpdateFiles(QStringLiteral("./"));
    if (m_autoInstall)
        emit startUpdateNextStep();
}

void Updater::idleState_onExit()
{
    set_updaterDialogMsg(QStringLiteral("<b>Firmware Update In Progress</b><br>"));
    set_updaterDialogMsg(m_updaterDialogMsg + QStringLiteral("<b>Do Not Turn Equipment Off</b><br>"));
}

// ---- properties ----

void Updater::set_applicationUpdateAvailable(bool value)
{
    m_applicationUpdateAvailable = value;
    emit applicationUpdateAvailableChanged(value);
}

void Updater::set_configUpdateAvailable(bool value)
{
    m_configUpdateAvailable = value;
    emit configUpdateAvailableChanged(value);
}

void Updater::set_splashScreenUpdateAvailable(bool value)
{
    m_splashScreenUpdateAvailable = value;
    emit splashScreenUpdateAvailableChanged(value);
}

void Updater::set_sibUpdateAvailable(bool value)
{
    m_sibUpdateAvailable = value;
    emit sibUpdateAvailableChanged(value);
}

void Updater::set_nfcAppUpdateAvailable(bool value)
{
    m_nfcAppUpdateAvailable = value;
    emit nfcAppUpdateAvailableChanged(value);
}

void Updater::set_cookbookUpdateAvailable(bool value)
{
    m_cookbookUpdateAvailable = value;
    emit cookbookUpdateAvailableChanged(value);
}

void Updater::set_cleaningUpdateAvailable(bool value)
{
    m_cleaningUpdateAvailable = value;
    emit cleaningUpdateAvailableChanged(value);
}

void Updater::set_kernelUpdateAvailable(bool value)
{
    m_kernelUpdateAvailable = value;
    emit kernelUpdateAvailableChanged(value);
}

void Updater::set_soundsUpdateAvailable(bool value)
{
    m_soundsUpdateAvailable = value;
    emit soundsUpdateAvailableChanged(value);
}

void Updater::set_helpfilesUpdateAvailable(bool value)
{
    m_helpfilesUpdateAvailable = value;
    emit helpfilesUpdateAvailableChanged(value);
}

void Updater::set_languagesUpdateAvailable(bool value)
{
    m_languagesUpdateAvailable = value;
    emit languagesUpdateAvailableChanged(value);
}

void Updater::set_updatePackageAvailable(bool value)
{
    m_updatePackageAvailable = value;
    emit updatePackageAvailableChanged(value);
}

void Updater::set_usbStorageAvailable(bool value)
{
    m_usbStorageAvailable = value;
    emit usbStorageAvailableChanged(value);
}

void Updater::set_autoInstall(bool value)
{
    m_autoInstall = value;
    emit autoInstallChanged(value);
}

void Updater::set_cloudUpdate(bool value)
{
    m_cloudUpdate = value;
    emit cloudUpdateChanged(value);
}

void Updater::set_checkForSlaveUiProgress(int value)
{
    m_checkForSlaveUiProgress = value;
    emit checkForSlaveUiProgressChanged(value);
}

void Updater::set_updaterDialogMsg(const QString &value)
{
    m_updaterDialogMsg = value;
    emit updaterDialogMsgChanged(value);
}

void Updater::set_uiUpdateInfoTxt(const QString &value)
{
    m_uiUpdateInfoTxt = value;
    emit uiUpdateInfoTxtChanged(value);
}

void Updater::set_sibUpdateInfoTxt(const QString &value)
{
    m_sibUpdateInfoTxt = value;
    emit sibUpdateInfoTxtChanged(value);
}

void Updater::set_nfcUpdateInfoTxt(const QString &value)
{
    m_nfcUpdateInfoTxt = value;
    emit nfcUpdateInfoTxtChanged(value);
}

void Updater::set_cbUpdateInfoTxt(const QString &value)
{
    m_cbUpdateInfoTxt = value;
    emit cbUpdateInfoTxtChanged(value);
}

void Updater::set_clUpdateInfoTxt(const QString &value)
{
    m_clUpdateInfoTxt = value;
    emit clUpdateInfoTxtChanged(value);
}

void Updater::set_osUpdateInfoTxt(const QString &value)
{
    m_osUpdateInfoTxt = value;
    emit osUpdateInfoTxtChanged(value);
}

void Updater::set_soundUpdateInfoTxt(const QString &value)
{
    m_soundUpdateInfoTxt = value;
    emit soundUpdateInfoTxtChanged(value);
}

void Updater::set_helpUpdateInfoTxt(const QString &value)
{
    m_helpUpdateInfoTxt = value;
    emit helpUpdateInfoTxtChanged(value);
}

void Updater::set_languageUpdateInfoTxt(const QString &value)
{
    m_languageUpdateInfoTxt = value;
    emit languageUpdateInfoTxtChanged(value);
}

void Updater::set_b1SibAutoDownload(bool value)
{
    m_b1SibAutoDownload = value;
    emit b1SibAutoDownloadChanged(value);
}

void Updater::set_uiCurrentSwVersion(const QString &value)
{
    m_uiCurrentSwVersion = value;
    emit uiCurrentSwVersionChanged(value);
}

void Updater::set_sibCurrentSwVersion(const QString &value)
{
    m_sibCurrentSwVersion = value;
    emit sibCurrentSwVersionChanged(value);
}

void Updater::set_uiUpdateAlreadyInstalled(bool value)
{
    m_uiUpdateAlreadyInstalled = value;
    emit uiUpdateAlreadyInstalledChanged(value);
}

void Updater::set_sibFwFilename(const QString &value)
{
    m_sibFwFilename = value;
    emit sibFwFilenameChanged(value);
}

void Updater::set_fwUpdateBytes(int value)
{
    m_fwUpdateBytes = value;
    emit fwUpdateBytesChanged(value);
}

void Updater::set_fwUpdateBytesSent(int value)
{
    m_fwUpdateBytesSent = value;
    emit fwUpdateBytesSentChanged(value);
}

void Updater::set_fwUpdateProgress(int value)
{
    m_fwUpdateProgress = value;
    emit fwUpdateProgressChanged(value);
}

void Updater::set_progressDialogVisible(bool value)
{
    m_progressDialogVisible = value;
    emit progressDialogVisibleChanged(value);
}

void Updater::set_nfcUpdateBytes(int value)
{
    m_nfcUpdateBytes = value;
    emit nfcUpdateBytesChanged(value);
}

void Updater::set_nfcUpdateBytesSent(int value)
{
    m_nfcUpdateBytesSent = value;
    emit nfcUpdateBytesSentChanged(value);
}

void Updater::set_nfcUpdateProgress(int value)
{
    m_nfcUpdateProgress = value;
    emit nfcUpdateProgressChanged(value);
}

void Updater::set_nfcProgressDialogVisible(bool value)
{
    m_nfcProgressDialogVisible = value;
    emit nfcProgressDialogVisibleChanged(value);
}

void Updater::set_nfcBoardId(int value)
{
    m_nfcBoardId = value;
    emit nfcBoardIdChanged(value);
}

void Updater::set_fileXfrRequestId(uint value)
{
    m_fileXfrRequestId = value;
    emit fileXfrRequestIdChanged(value);
}

void Updater::set_TargetPath(const QString &value)
{
    m_targetPath = value;
    emit targetPathChanged(value);
}

void Updater::set_slaveFound(bool value)
{
    m_slaveFound = value;
    emit slaveFoundChanged(value);
}

void Updater::set_newAppFilePath(const QString &value)
{
    m_newAppFilePath = value;
    emit newAppFilePathChanged(value);
}

void Updater::set_totalTimeouts(int value)
{
    m_totalTimeouts = value;
    emit totalTimeoutsChanged(value);
}

void Updater::set_retryCount(int value)
{
    m_retryCount = value;
    emit retryCountChanged(value);
}

void Updater::set_slavePhuUpdateFlag(bool value)
{
    m_slavePhuUpdateFlag = value;
    emit slavePhuUpdateFlagChanged(value);
}

void Updater::set_slavePhuId(int value)
{
    m_slavePhuId = value;
    emit slavePhuIdChanged(value);
}

void Updater::set_slaveUpdateProgress(int value)
{
    m_slaveUpdateProgress = value;
    emit slaveUpdateProgressChanged(value);
}

void Updater::set_uiPartDone(bool value)
{
    m_uiPartDone = value;
    emit uiPartDoneChanged(value);
}

void Updater::set_configPartDone(bool value)
{
    m_configPartDone = value;
    emit configPartDoneChanged(value);
}

void Updater::set_splashScreenDone(bool value)
{
    m_splashScreenDone = value;
    emit splashScreenDoneChanged(value);
}

void Updater::set_sibPartDone(bool value)
{
    m_sibPartDone = value;
    emit sibPartDoneChanged(value);
}

void Updater::set_canFileXfrActive(bool value)
{
    m_canFileXfrActive = value;
    emit canFileXfrActiveChanged(value);
}

void Updater::set_orientationId(int value)
{
    m_orientationId = value;
    emit orientationIdChanged(value);
}

void Updater::set_updateFailed(bool value)
{
    m_updateFailed = value;
    emit updateFailedChanged(value);
}

void Updater::set_targetDisplaySelection(int value)
{
    m_targetDisplaySelection = value;
    emit targetDisplaySelectionChanged(value);
}

void Updater::set_slaveUiNeeded(bool value)
{
    m_slaveUiNeeded = value;
    emit slaveUiNeededChanged(value);
}

void Updater::set_nfcBoardCount(int value)
{
    m_nfcBoardCount = value;
    emit nfcBoardCountChanged(value);
}
