#include "masteriomanager.h"

#include "nfc/bininfo.h"
#include "statemachine/statemachinebuilder.h"

namespace {
const char kNoError[] = "NO ERROR";
} // namespace

MasterIoManager::MasterIoManager(NFCmanager *nfc, QModbusMaster *modbus, CanbusManager *can,
                                 int uiId, QList<ZoneManager *> *zones, QList<TrayBarSc *> *trays,
                                 int tempHandling, QObject *parent)
    : TarnStateMachine(parent)
    , m_orientationId(uiId)
    , m_nfc(nfc)
    , m_modbus(modbus)
    , m_can(can)
    , m_zones(zones)
    , m_trays(trays)
    , m_tempHandling(tempHandling)
{
    for (int bin = 0; bin < kBinCount; ++bin) {
        auto *info = new BinInfo(bin, this);
        connect(info, QOverload<int, int>::of(&BinInfo::targetTempChanged), this,
                &MasterIoManager::binTargetTempChanged, Qt::DirectConnection);
        connect(info, QOverload<int, int>::of(&BinInfo::actualFanSpeedChanged), this,
                &MasterIoManager::binActualFanSpeedChanged, Qt::DirectConnection);
        connect(info, QOverload<int, int>::of(&BinInfo::targetFanSpeedChanged), this,
                &MasterIoManager::binTargetFanSpeedChanged, Qt::DirectConnection);
        m_binInfoList.append(info);
    }
    buildMachine();
}

void MasterIoManager::buildMachine()
{
    StateMachineBuilder b(this);
    QState *s1 = b.state(this, "s1", QState::ParallelStates);
    setInitialState(s1);
}

QList<QObject *> MasterIoManager::get_binInfoListProperty() const
{
    QList<QObject *> list;
    for (BinInfo *info : m_binInfoList)
        list.append(info);
    return list;
}

void MasterIoManager::set_iosyscfg(int value)
{
    if (m_iosyscfg == value)
        return;
    m_iosyscfg = value;
    emit iosyscfgChanged(m_iosyscfg);
}

void MasterIoManager::set_ambientTemperature(int value)
{
    if (m_ambientTemperature == value)
        return;
    m_ambientTemperature = value;
    emit ambientTemperatureChanged(m_ambientTemperature);
}

void MasterIoManager::set_operatingMode(int value)
{
    m_operatingMode = value;
    emit operatingModeChanged(m_operatingMode);
}

void MasterIoManager::setBinTargetTemp(int bin, int temp)
{
    if (bin < 0 || bin >= m_binInfoList.size())
        return;
    m_binInfoList.at(bin)->set_targetTemp(temp);
}

void MasterIoManager::setBinInfoListItem(int index, int actualTemp)
{
    if (index < 0 || index >= m_binInfoList.size())
        return;
    m_binInfoList.at(index)->set_actualTemp(actualTemp);
}

void MasterIoManager::invokeSimpleDialogSignalEmiter(QString text, bool show)
{
    emit invokeSimpleDialog(text, show);
}

int MasterIoManager::get_numOfNfcBoards() const { return 0; }
bool MasterIoManager::getIoCommErrorDetected() const { return false; }
bool MasterIoManager::getNfcErrorDetected() const { return false; }
int MasterIoManager::eolGetActualTemp(int, int) const { return 0; }
QString MasterIoManager::eolGetTempErrorDescription(int, int) const { return QLatin1String(kNoError); }
bool MasterIoManager::eolTempTestSingleHeater(int, int) { return false; }
void MasterIoManager::eolTempTestAllHeaters(bool) {}

void MasterIoManager::requestExitPreheat() {}
void MasterIoManager::slaveEmitBinsTargetTemp() {}
void MasterIoManager::initPreviousUIDs() {}
void MasterIoManager::resetAmbientTempAlarm() {}
void MasterIoManager::sendAllFanTargetsRequest() {}
void MasterIoManager::updateZonesFromBinInfoList() {}

void MasterIoManager::s1_onEntry() {}
void MasterIoManager::s1_onExit() {}
