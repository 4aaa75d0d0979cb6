#include "fileid.h"

#include "core/loghandler.h"
#include "platform/boundedfile.h"
#include "platform/kivroot.h"

#include <QCryptographicHash>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>

#include <algorithm>

namespace {

bool isMissing(const QJsonValue &value)
{
    return value.isUndefined() || value.isNull();
}

// The whole personality is logged at every start; a real one is a few
// kilobytes, so only a damaged one is cut.
constexpr int kLogDocumentChars = 8192;

void logUndefined(const QString &name)
{
    qDebug().noquote() << name + QStringLiteral(" is undefined");
}

} // namespace

// Hands out the personality's keys in reading order. After the first missing
// key every later one is reported undefined and not applied: a file that
// lacks a key is incomplete, and the caller must not take it as a whole.
class FileID::KeyReader
{
public:
    explicit KeyReader(const QJsonObject &personality) : m_personality(personality) {}

    // The key's value when it is to be applied; otherwise logs "<name> is
    // undefined" (name defaults to the key) and sets the error flag.
    bool take(const char *key, QJsonValue *value, const char *name = nullptr)
    {
        const QJsonValue found = m_personality.value(QLatin1String(key));
        if (m_failed || isMissing(found)) {
            logUndefined(QLatin1String(name ? name : key));
            m_failed = true;
            return false;
        }
        *value = found;
        return true;
    }

    QJsonValue value(const char *key) const { return m_personality.value(QLatin1String(key)); }
    void fail() { m_failed = true; }
    bool failed() const { return m_failed; }

private:
    QJsonObject m_personality;
    bool m_failed = false;
};

FileID::FileID(QObject *parent)
    : QObject(parent)
{
    setDefaultData();
}

void FileID::setDefaultData()
{
    set_uiRole(0);
    set_traysPerZone(2);
    set_zonesPerRow(1);
    set_numberOfRows(5);
    set_numberOfZones(5);
    set_hasMirrorDisplay(false);
    set_hasSecondaryDisplay(false);
    set_tempHandling(0);
    set_tempLayout(0);
    set_isIndividualDpSelectable(true);
    set_singleColumnUnit(false);
    set_nfcEnabled(true);
    set_iAmMaster(false);
    set_mirrorDisplay(false);
    set_orientationPortrait(false);
    set_pressGoDockPosition(0);
    set_syncNeeded(false);
    set_iosystemcfg(6);
    set_zones2handle(0);
    set_zones2handleStart(0);
    set_powerSourceChoice(false);
    set_powerSource(120);
    set_hasFan(false);
    set_numOfTempProbes(0);
    set_zoneViewType(0);
    set_verticalFlip(false);
    set_traysPerCabinet(10);
    set_perBinTemps(false);
    set_pressGoBannerEnable(false);
    set_orientationId(0);
    set_tempRangeErrorDisable(false);
    set_importedFileVersion(0);
    set_cabinetConfiguration(10);
    set_linkedUseFirst(false);
    set_discardOption(false);
    set_numIOBoards(1);
    set_discardOptionType(0);
    set_riotEnabled(false);
    set_productIDDisplayEnable(false);
    set_topHeaterCurrent(0);
    set_bottomHeaterCurrent(0);
    set_shelfNumbersEnable(true);
    set_haccpDataCollection(false);
    set_temperatureUnit(0);
    set_touchBasedTransfer(false);
    set_shelfNumberingOrder(0);
    set_cleaningModeEnable(false);
    set_advancedZoneOptionsEnable(false);
    set_viewZoneTemperatureEnable(false);
    set_topTempOffset(0);
    set_bottomTempOffset(0);
    set_topHeaterResistance(0);
    set_bottomHeaterResistance(0);
    set_maxCurrent(0);
    set_controlBoardType(1);
    set_startingShelfNumber(1);
    set_singleBinZone(0);
    set_zoneNumberingOrder(0);
    set_screenCleanModeEnable(false);
    set_timerColorEnable(false);
    set_timerDecrementEnable(false);
    set_preferencesPageLock(false);
    set_customerId(0);

    m_mio2uitmap.clear();
    m_ui2mioZoneMap.clear();
    m_productLocationMap.clear();
    m_zoneMap.clear();
    m_binTestTemps.clear();
    m_ioBoardToZoneMap.clear();
    m_nfcMap.clear();
    m_nfcPollInfo.clear();
}

bool FileID::readFileID(const QString &fileName)
{
    const QString path = QDir::isAbsolutePath(fileName) ? KivRoot::path(fileName)
                                                        : KivRoot::appFile(fileName);
    // Read-only: a personality file on a read-only medium is still valid.
    QByteArray data;
    const BoundedFile::Result read = BoundedFile::read(path, BoundedFile::SmallFileLimit, &data);
    if (read != BoundedFile::Read) {
        if (read != BoundedFile::TooLarge)
            qDebug() << "Could not open file:" << fileName;
        return false;
    }
    qDebug() << "Opened" << fileName;
    return readFileIDData(data);
}

// Applies a scalar key; when the value is already held the change signal
// still goes out once, so every applied key notifies exactly once.
#define KIV_APPLY_BOOL(key, prop)                                 \
    if (reader.take(key, &value)) {                               \
        if (!set_##prop(value.toBool()))                          \
            emit prop##Changed(m_##prop);                         \
    }
#define KIV_APPLY_INT(key, prop)                                  \
    if (reader.take(key, &value)) {                               \
        if (!set_##prop(value.toInt()))                           \
            emit prop##Changed(m_##prop);                         \
    }

bool FileID::readFileIDData(const QByteArray &data)
{
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(data, &parseError);
    if (parseError.error != QJsonParseError::NoError) {
        qDebug() << "Parse Error:" << parseError.errorString();
        return false;
    }

    const QJsonObject root = document.object();
    const QJsonObject header = root.value(QLatin1String("header")).toObject();
    const QJsonObject personality = root.value(QLatin1String("personality")).toObject();

    // The checksum is only logged: files in the field carry checksums made
    // by other writers, and a mismatch must not cost a display its identity.
    qDebug() << "headerChecksum" << clipForLog(header.value(QLatin1String("checksum")).toString());
    const QByteArray buffer = QJsonDocument(personality).toJson(QJsonDocument::Indented);
    qDebug().noquote() << "buffer" << clipForLog(QString::fromUtf8(buffer), kLogDocumentChars);
    qDebug() << "calcChecksum" << QCryptographicHash::hash(buffer, QCryptographicHash::Md5).toHex();

    const QJsonValue versionValue = personality.value(QLatin1String("version"));
    if (isMissing(versionValue)) {
        qDebug() << "version is undefined";
        return false;
    }
    const int version = versionValue.toInt();
    if (!set_importedFileVersion(version))
        emit versionChanged(m_importedFileVersion);
    if (version <= 0) {
        qDebug() << "Invalid version" << version;
        return false;
    }

    KeyReader reader(personality);
    QJsonValue value;

    KIV_APPLY_BOOL("hasFan", hasFan)
    KIV_APPLY_BOOL("hasMirrorDisplay", hasMirrorDisplay)
    KIV_APPLY_BOOL("hasSecondaryDisplay", hasSecondaryDisplay)
    KIV_APPLY_BOOL("iAmMaster", iAmMaster)
    KIV_APPLY_INT("iosystemcfg", iosystemcfg)
    KIV_APPLY_BOOL("isIndividualDpSelectable", isIndividualDpSelectable)
    KIV_APPLY_BOOL("mirrorDisplay", mirrorDisplay)
    KIV_APPLY_BOOL("nfcEnabled", nfcEnabled)
    KIV_APPLY_INT("numberOfRows", numberOfRows)
    KIV_APPLY_INT("zonesPerRow", zonesPerRow)
    KIV_APPLY_INT("numOfTempProbes", numOfTempProbes)
    KIV_APPLY_BOOL("orientationPortrait", orientationPortrait)
    KIV_APPLY_INT("powerSource", powerSource)
    KIV_APPLY_BOOL("powerSourceChoice", powerSourceChoice)
    KIV_APPLY_INT("pressGoDockPosition", pressGoDockPosition)
    KIV_APPLY_BOOL("singleColumnUnit", singleColumnUnit)
    KIV_APPLY_BOOL("syncNeeded", syncNeeded)
    KIV_APPLY_INT("tempHandling", tempHandling)
    KIV_APPLY_INT("tempLayout", tempLayout)
    if (reader.take("traysPerZone", &value, "binsPerZone")) {
        if (!set_traysPerZone(value.toInt()))
            emit binsPerZoneChanged(m_binsPerZone);
    }
    KIV_APPLY_INT("uiRole", uiRole)
    KIV_APPLY_INT("zones2handle", zones2handle)
    KIV_APPLY_INT("zones2handleStart", zones2handleStart)
    KIV_APPLY_INT("orientationId", orientationId)
    KIV_APPLY_BOOL("verticalFlip", verticalFlip)
    KIV_APPLY_INT("numberOfZones", numberOfZones)
    KIV_APPLY_INT("traysPerCabinet", traysPerCabinet)
    KIV_APPLY_INT("zoneViewType", zoneViewType)
    KIV_APPLY_BOOL("perBinTemps", perBinTemps)
    KIV_APPLY_BOOL("pressGoBannerEnable", pressGoBannerEnable)
    KIV_APPLY_INT("cabinetConfiguration", cabinetConfiguration)
    readIntList(reader, "mio2uitmap", m_mio2uitmap, &FileID::mio2uitmapChanged, "m_mio2uitmap");
    readIntList(reader, "ui2mioZoneMap", m_ui2mioZoneMap, &FileID::ui2mioZoneMapChanged);
    readIntList(reader, "productLocationMap", m_productLocationMap, &FileID::productLocationMapChanged);
    readIoBoardToZoneMap(reader);
    readIntList(reader, "zoneMap", m_zoneMap, &FileID::zoneMapChanged);
    readIntList(reader, "binTestTemps", m_binTestTemps, &FileID::binTestTempsChanged);
    if (m_nfcEnabled)
        readNfcMap(reader);

    if (version >= 2) {
        KIV_APPLY_BOOL("linkedUseFirst", linkedUseFirst)
        KIV_APPLY_BOOL("discardOption", discardOption)
        if (reader.take("numIOBoards", &value)) {
            if (!set_numIOBoards(value.toInt()))
                emit numIOBoardsChanged(m_numIOBoards != 0);
        }
        KIV_APPLY_INT("discardOptionType", discardOptionType)
        KIV_APPLY_BOOL("riotEnabled", riotEnabled)
        KIV_APPLY_BOOL("productIDDisplayEnable", productIDDisplayEnable)
        KIV_APPLY_INT("topHeaterCurrent", topHeaterCurrent)
        KIV_APPLY_INT("bottomHeaterCurrent", bottomHeaterCurrent)
        KIV_APPLY_BOOL("shelfNumbersEnable", shelfNumbersEnable)
        KIV_APPLY_BOOL("haccpDataCollection", haccpDataCollection)
        KIV_APPLY_INT("temperatureUnit", temperatureUnit)
        KIV_APPLY_BOOL("touchBasedTransfer", touchBasedTransfer)
        KIV_APPLY_INT("shelfNumberingOrder", shelfNumberingOrder)
    }
    if (version >= 3) {
        KIV_APPLY_BOOL("advancedZoneOptionsEnable", advancedZoneOptionsEnable)
        if (reader.take("viewZoneTemperature", &value, "viewZoneTemperatureEnable")) {
            if (!set_viewZoneTemperatureEnable(value.toBool()))
                emit viewZoneTemperatureEnableChanged(m_viewZoneTemperatureEnable);
        }
        KIV_APPLY_BOOL("cleaningModeEnable", cleaningModeEnable)
    }
    if (version >= 4) {
        KIV_APPLY_INT("topTempOffset", topTempOffset)
        KIV_APPLY_INT("bottomTempOffset", bottomTempOffset)
        KIV_APPLY_INT("topHeaterResistance", topHeaterResistance)
        KIV_APPLY_INT("bottomHeaterResistance", bottomHeaterResistance)
        KIV_APPLY_INT("maxCurrent", maxCurrent)
        KIV_APPLY_INT("controlBoardType", controlBoardType)
    }
    if (version >= 5) {
        KIV_APPLY_INT("startingShelfNumber", startingShelfNumber)
    }
    if (version >= 6) {
        KIV_APPLY_INT("singleBinZone", singleBinZone)
    }
    if (version >= 7) {
        KIV_APPLY_INT("zoneNumberingOrder", zoneNumberingOrder)
        if (reader.take("timerColorEnable", &value)) {
            if (!set_timerColorEnable(value.toBool()))
                emit timerColorEnableChanged();
        }
        if (reader.take("screenCleanModeEnable", &value)) {
            if (!set_screenCleanModeEnable(value.toBool()))
                emit screenCleanModeEnableChanged();
        }
    }
    if (version >= 8) {
        KIV_APPLY_BOOL("timerDecrementEnable", timerDecrementEnable)
        KIV_APPLY_BOOL("preferencesPageLock", preferencesPageLock)
    }
    if (version >= 9) {
        KIV_APPLY_INT("customerId", customerId)
    }

    return !reader.failed();
}

#undef KIV_APPLY_BOOL
#undef KIV_APPLY_INT

void FileID::readIntList(KeyReader &reader, const char *key, QList<int> &list,
                         void (FileID::*changed)(), const char *logName)
{
    QJsonValue value;
    if (!reader.take(key, &value))
        return;
    list.clear();
    const QJsonArray array = value.toArray();
    for (int i = 0; i < array.size(); ++i) {
        if (array.at(i).isNull()) {
            qDebug().noquote() << QStringLiteral("Failed reading %1 at index").arg(QLatin1String(key)) << i;
            reader.fail();
            return;
        }
        list.append(array.at(i).toInt());
    }
    emit(this->*changed)();
    QString text;
    QDebug(&text) << list;
    qDebug().noquote() << (logName ? logName : key) << clipForLog(text);
}

void FileID::readIoBoardToZoneMap(KeyReader &reader)
{
    QJsonValue value;
    if (!reader.take("ioBoardToZoneMap", &value))
        return;
    m_ioBoardToZoneMap.clear();
    const QJsonObject outputs = value.toObject();
    for (int i = 0; i < outputs.size(); ++i) {
        const QString name = QStringLiteral("io[%1]").arg(i);
        const QJsonValue output = outputs.value(name);
        if (isMissing(output)) {
            qDebug().noquote() << QStringLiteral("ioBoardToZoneMap %1 is undefined").arg(name);
            reader.fail();
            return;
        }
        const QJsonObject zones = output.toObject();
        IoBoardToZone entry;
        entry.firstZone = zones.value(QLatin1String("firstZone")).toInt();
        entry.secondZone = zones.value(QLatin1String("secondZone")).toInt();
        m_ioBoardToZoneMap.append(entry);
        qDebug().noquote() << QStringLiteral("ioBoardToZoneMap[%1].firstZone = %2").arg(i).arg(entry.firstZone);
        qDebug().noquote() << QStringLiteral("ioBoardToZoneMap[%1].secondZone = %2").arg(i).arg(entry.secondZone);
    }
    emit ioBoardToZoneMapChanged();
}

void FileID::readNfcMap(KeyReader &reader)
{
    const QJsonValue mapValue = reader.value("nfcMap");
    if (isMissing(mapValue)) {
        logUndefined(QStringLiteral("nfcMap"));
        reader.fail();
        return;
    }
    const QJsonObject map = mapValue.toObject();

    // The map has room for MaxZones zones; a larger zone count is not a
    // layout this program supports, so the zones beyond it are not read.
    int zoneCount = m_numberOfZones;
    if (zoneCount > NfcMap::MaxZones) {
        qDebug() << "nfcMap holds at most" << NfcMap::MaxZones << "zones; numberOfZones is" << zoneCount;
        zoneCount = NfcMap::MaxZones;
    }

    for (int z = 0; z < zoneCount; ++z) {
        const QString zoneKey = QStringLiteral("zone%1").arg(z);
        const QJsonValue zoneValue = map.value(zoneKey);
        if (reader.failed() || isMissing(zoneValue)) {
            qDebug().noquote() << QStringLiteral("NFC %1 is undefined").arg(zoneKey);
            reader.fail();
            continue;
        }
        const QJsonObject zone = zoneValue.toObject();
        NfcZoneInfo &record = m_nfcMap.zones[z];
        for (const char *sideName : {"left", "right"}) {
            const QString sideKey = QStringLiteral("%1-bin").arg(QLatin1String(sideName));
            const QJsonValue sideValue = zone.value(sideKey);
            if (reader.failed() || isMissing(sideValue)) {
                qDebug().noquote() << QStringLiteral("NFC %1 of %2 is undefined").arg(sideKey, zoneKey);
                reader.fail();
                continue;
            }
            const QJsonObject side = sideValue.toObject();
            NfcBinInfo &bin = (sideName[0] == 'l') ? record.left : record.right;
            record.zone = zone.value(QLatin1String("zone")).toInt();
            bin.binIndex = side.value(QLatin1String("binIndex")).toInt();
            bin.address = side.value(QLatin1String("address")).toInt();
            bin.channel = side.value(QLatin1String("channel")).toInt();
            bin.pollOrder = side.value(QLatin1String("pollOrder")).toInt();
        }
    }

    if (!reader.failed())
        get_nfcPollingInfo();
}

void FileID::initNfcMap(int id)
{
    m_nfcMap.fillBuiltInLayout(id, m_numberOfZones);
}

NfcPollInfo *FileID::get_nfcPollingInfo()
{
    if (!m_nfcEnabled)
        return nullptr;
    m_nfcPollInfo.build(m_nfcMap, m_numberOfZones);
    return &m_nfcPollInfo;
}

void FileID::updateDerivedZoneCount(bool countUiRole)
{
    int zones = m_zonesPerRow * m_numberOfRows;
    if (m_hasSecondaryDisplay || (countUiRole && m_uiRole == 2))
        zones *= 2;
    set_numberOfZones(zones);
}

bool FileID::set_zonesPerRow(int value)
{
    if (m_zonesPerRow == value)
        return false;
    m_zonesPerRow = value;
    emit zonesPerRowChanged(m_zonesPerRow);
    updateDerivedZoneCount(true);
    return true;
}

bool FileID::set_numberOfRows(int value)
{
    if (m_numberOfRows == value)
        return false;
    m_numberOfRows = value;
    emit numberOfRowsChanged(m_numberOfRows);
    updateDerivedZoneCount(true);
    return true;
}

bool FileID::set_hasSecondaryDisplay(bool value)
{
    if (m_hasSecondaryDisplay == value)
        return false;
    m_hasSecondaryDisplay = value;
    emit hasSecondaryDisplayChanged(m_hasSecondaryDisplay);
    updateDerivedZoneCount(false);
    return true;
}

// Shelves are numbered from 1 at the lowest. A request to change the number
// always notifies, with the value actually stored.
bool FileID::set_startingShelfNumber(int value)
{
    if (m_startingShelfNumber == value)
        return false;
    m_startingShelfNumber = std::max(value, 1);
    emit startingShelfNumberChanged(m_startingShelfNumber);
    return true;
}

bool FileID::set_uiRole(int value)
{
    if (m_uiRole == value)
        return false;
    m_uiRole = value;
    emit uiRoleChanged(m_uiRole);
    return true;
}

bool FileID::set_traysPerZone(int value)
{
    if (m_binsPerZone == value)
        return false;
    m_binsPerZone = value;
    emit binsPerZoneChanged(m_binsPerZone);
    return true;
}

bool FileID::set_numberOfZones(int value)
{
    if (m_numberOfZones == value)
        return false;
    m_numberOfZones = value;
    emit numberOfZonesChanged(m_numberOfZones);
    return true;
}

bool FileID::set_hasMirrorDisplay(bool value)
{
    if (m_hasMirrorDisplay == value)
        return false;
    m_hasMirrorDisplay = value;
    emit hasMirrorDisplayChanged(m_hasMirrorDisplay);
    return true;
}

bool FileID::set_tempHandling(int value)
{
    if (m_tempHandling == value)
        return false;
    m_tempHandling = value;
    emit tempHandlingChanged(m_tempHandling);
    return true;
}

bool FileID::set_tempLayout(int value)
{
    if (m_tempLayout == value)
        return false;
    m_tempLayout = value;
    emit tempLayoutChanged(m_tempLayout);
    return true;
}

bool FileID::set_isIndividualDpSelectable(bool value)
{
    if (m_isIndividualDpSelectable == value)
        return false;
    m_isIndividualDpSelectable = value;
    emit isIndividualDpSelectableChanged(m_isIndividualDpSelectable);
    return true;
}

bool FileID::set_singleColumnUnit(bool value)
{
    if (m_singleColumnUnit == value)
        return false;
    m_singleColumnUnit = value;
    emit singleColumnUnitChanged(m_singleColumnUnit);
    return true;
}

bool FileID::set_nfcEnabled(bool value)
{
    if (m_nfcEnabled == value)
        return false;
    m_nfcEnabled = value;
    emit nfcEnabledChanged(m_nfcEnabled);
    return true;
}

bool FileID::set_iAmMaster(bool value)
{
    if (m_iAmMaster == value)
        return false;
    m_iAmMaster = value;
    emit iAmMasterChanged(m_iAmMaster);
    return true;
}

bool FileID::set_mirrorDisplay(bool value)
{
    if (m_mirrorDisplay == value)
        return false;
    m_mirrorDisplay = value;
    emit mirrorDisplayChanged(m_mirrorDisplay);
    return true;
}

bool FileID::set_orientationPortrait(bool value)
{
    if (m_orientationPortrait == value)
        return false;
    m_orientationPortrait = value;
    emit orientationPortraitChanged(m_orientationPortrait);
    return true;
}

bool FileID::set_pressGoDockPosition(int value)
{
    if (m_pressGoDockPosition == value)
        return false;
    m_pressGoDockPosition = value;
    emit pressGoDockPositionChanged(m_pressGoDockPosition);
    return true;
}

bool FileID::set_syncNeeded(bool value)
{
    if (m_syncNeeded == value)
        return false;
    m_syncNeeded = value;
    emit syncNeededChanged(m_syncNeeded);
    return true;
}

bool FileID::set_iosystemcfg(int value)
{
    if (m_iosystemcfg == value)
        return false;
    m_iosystemcfg = value;
    emit iosystemcfgChanged(m_iosystemcfg);
    return true;
}

bool FileID::set_zones2handle(int value)
{
    if (m_zones2handle == value)
        return false;
    m_zones2handle = value;
    emit zones2handleChanged(m_zones2handle);
    return true;
}

bool FileID::set_zones2handleStart(int value)
{
    if (m_zones2handleStart == value)
        return false;
    m_zones2handleStart = value;
    emit zones2handleStartChanged(m_zones2handleStart);
    return true;
}

bool FileID::set_powerSourceChoice(bool value)
{
    if (m_powerSourceChoice == value)
        return false;
    m_powerSourceChoice = value;
    emit powerSourceChoiceChanged(m_powerSourceChoice);
    return true;
}

bool FileID::set_powerSource(int value)
{
    if (m_powerSource == value)
        return false;
    m_powerSource = value;
    emit powerSourceChanged(m_powerSource);
    return true;
}

bool FileID::set_hasFan(bool value)
{
    if (m_hasFan == value)
        return false;
    m_hasFan = value;
    emit hasFanChanged(m_hasFan);
    return true;
}

bool FileID::set_numOfTempProbes(int value)
{
    if (m_numOfTempProbes == value)
        return false;
    m_numOfTempProbes = value;
    emit numOfTempProbesChanged(m_numOfTempProbes);
    return true;
}

bool FileID::set_zoneViewType(int value)
{
    if (m_zoneViewType == value)
        return false;
    m_zoneViewType = value;
    emit zoneViewTypeChanged(m_zoneViewType);
    return true;
}

bool FileID::set_verticalFlip(bool value)
{
    if (m_verticalFlip == value)
        return false;
    m_verticalFlip = value;
    emit verticalFlipChanged(m_verticalFlip);
    return true;
}

bool FileID::set_traysPerCabinet(int value)
{
    if (m_traysPerCabinet == value)
        return false;
    m_traysPerCabinet = value;
    emit traysPerCabinetChanged(m_traysPerCabinet);
    return true;
}

bool FileID::set_perBinTemps(bool value)
{
    if (m_perBinTemps == value)
        return false;
    m_perBinTemps = value;
    emit perBinTempsChanged(m_perBinTemps);
    return true;
}

bool FileID::set_pressGoBannerEnable(bool value)
{
    if (m_pressGoBannerEnable == value)
        return false;
    m_pressGoBannerEnable = value;
    emit pressGoBannerEnableChanged(m_pressGoBannerEnable);
    return true;
}

bool FileID::set_orientationId(int value)
{
    if (m_orientationId == value)
        return false;
    m_orientationId = value;
    emit orientationIdChanged(m_orientationId);
    return true;
}

bool FileID::set_tempRangeErrorDisable(bool value)
{
    if (m_tempRangeErrorDisable == value)
        return false;
    m_tempRangeErrorDisable = value;
    emit tempRangeErrorDisableChanged(m_tempRangeErrorDisable);
    return true;
}

bool FileID::set_importedFileVersion(int value)
{
    if (m_importedFileVersion == value)
        return false;
    m_importedFileVersion = value;
    emit versionChanged(m_importedFileVersion);
    return true;
}

bool FileID::set_cabinetConfiguration(int value)
{
    if (m_cabinetConfiguration == value)
        return false;
    m_cabinetConfiguration = value;
    emit cabinetConfigurationChanged(m_cabinetConfiguration);
    return true;
}

bool FileID::set_linkedUseFirst(bool value)
{
    if (m_linkedUseFirst == value)
        return false;
    m_linkedUseFirst = value;
    emit linkedUseFirstChanged(m_linkedUseFirst);
    return true;
}

bool FileID::set_discardOption(bool value)
{
    if (m_discardOption == value)
        return false;
    m_discardOption = value;
    emit discardOptionChanged(m_discardOption);
    return true;
}

bool FileID::set_numIOBoards(int value)
{
    if (m_numIOBoards == value)
        return false;
    m_numIOBoards = value;
    emit numIOBoardsChanged(m_numIOBoards != 0);
    return true;
}

bool FileID::set_discardOptionType(int value)
{
    if (m_discardOptionType == value)
        return false;
    m_discardOptionType = value;
    emit discardOptionTypeChanged(m_discardOptionType);
    return true;
}

bool FileID::set_riotEnabled(bool value)
{
    if (m_riotEnabled == value)
        return false;
    m_riotEnabled = value;
    emit riotEnabledChanged(m_riotEnabled);
    return true;
}

bool FileID::set_productIDDisplayEnable(bool value)
{
    if (m_productIDDisplayEnable == value)
        return false;
    m_productIDDisplayEnable = value;
    emit productIDDisplayEnableChanged(m_productIDDisplayEnable);
    return true;
}

bool FileID::set_topHeaterCurrent(int value)
{
    if (m_topHeaterCurrent == value)
        return false;
    m_topHeaterCurrent = value;
    emit topHeaterCurrentChanged(m_topHeaterCurrent);
    return true;
}

bool FileID::set_bottomHeaterCurrent(int value)
{
    if (m_bottomHeaterCurrent == value)
        return false;
    m_bottomHeaterCurrent = value;
    emit bottomHeaterCurrentChanged(m_bottomHeaterCurrent);
    return true;
}

bool FileID::set_shelfNumbersEnable(bool value)
{
    if (m_shelfNumbersEnable == value)
        return false;
    m_shelfNumbersEnable = value;
    emit shelfNumbersEnableChanged(m_shelfNumbersEnable);
    return true;
}

bool FileID::set_haccpDataCollection(bool value)
{
    if (m_haccpDataCollection == value)
        return false;
    m_haccpDataCollection = value;
    emit haccpDataCollectionChanged(m_haccpDataCollection);
    return true;
}

bool FileID::set_temperatureUnit(int value)
{
    if (m_temperatureUnit == value)
        return false;
    m_temperatureUnit = value;
    emit temperatureUnitChanged(m_temperatureUnit);
    return true;
}

bool FileID::set_touchBasedTransfer(bool value)
{
    if (m_touchBasedTransfer == value)
        return false;
    m_touchBasedTransfer = value;
    emit touchBasedTransferChanged(m_touchBasedTransfer);
    return true;
}

bool FileID::set_shelfNumberingOrder(int value)
{
    if (m_shelfNumberingOrder == value)
        return false;
    m_shelfNumberingOrder = value;
    emit shelfNumberingOrderChanged(m_shelfNumberingOrder);
    return true;
}

bool FileID::set_cleaningModeEnable(bool value)
{
    if (m_cleaningModeEnable == value)
        return false;
    m_cleaningModeEnable = value;
    emit cleaningModeEnableChanged(m_cleaningModeEnable);
    return true;
}

bool FileID::set_advancedZoneOptionsEnable(bool value)
{
    if (m_advancedZoneOptionsEnable == value)
        return false;
    m_advancedZoneOptionsEnable = value;
    emit advancedZoneOptionsEnableChanged(m_advancedZoneOptionsEnable);
    return true;
}

bool FileID::set_viewZoneTemperatureEnable(bool value)
{
    if (m_viewZoneTemperatureEnable == value)
        return false;
    m_viewZoneTemperatureEnable = value;
    emit viewZoneTemperatureEnableChanged(m_viewZoneTemperatureEnable);
    return true;
}

bool FileID::set_topTempOffset(int value)
{
    if (m_topTempOffset == value)
        return false;
    m_topTempOffset = value;
    emit topTempOffsetChanged(m_topTempOffset);
    return true;
}

bool FileID::set_bottomTempOffset(int value)
{
    if (m_bottomTempOffset == value)
        return false;
    m_bottomTempOffset = value;
    emit bottomTempOffsetChanged(m_bottomTempOffset);
    return true;
}

bool FileID::set_topHeaterResistance(int value)
{
    if (m_topHeaterResistance == value)
        return false;
    m_topHeaterResistance = value;
    emit topHeaterResistanceChanged(m_topHeaterResistance);
    return true;
}

bool FileID::set_bottomHeaterResistance(int value)
{
    if (m_bottomHeaterResistance == value)
        return false;
    m_bottomHeaterResistance = value;
    emit bottomHeaterResistanceChanged(m_bottomHeaterResistance);
    return true;
}

bool FileID::set_maxCurrent(int value)
{
    if (m_maxCurrent == value)
        return false;
    m_maxCurrent = value;
    emit maxCurrentChanged(m_maxCurrent);
    return true;
}

bool FileID::set_controlBoardType(int value)
{
    if (m_controlBoardType == value)
        return false;
    m_controlBoardType = value;
    emit controlBoardTypeChanged(m_controlBoardType);
    return true;
}

bool FileID::set_singleBinZone(int value)
{
    if (m_singleBinZone == value)
        return false;
    m_singleBinZone = value;
    emit singleBinZoneChanged(m_singleBinZone);
    return true;
}

bool FileID::set_zoneNumberingOrder(int value)
{
    if (m_zoneNumberingOrder == value)
        return false;
    m_zoneNumberingOrder = value;
    emit zoneNumberingOrderChanged(m_zoneNumberingOrder);
    return true;
}

bool FileID::set_screenCleanModeEnable(bool value)
{
    if (m_screenCleanModeEnable == value)
        return false;
    m_screenCleanModeEnable = value;
    emit screenCleanModeEnableChanged();
    return true;
}

bool FileID::set_timerColorEnable(bool value)
{
    if (m_timerColorEnable == value)
        return false;
    m_timerColorEnable = value;
    emit timerColorEnableChanged();
    return true;
}

bool FileID::set_timerDecrementEnable(bool value)
{
    if (m_timerDecrementEnable == value)
        return false;
    m_timerDecrementEnable = value;
    emit timerDecrementEnableChanged(m_timerDecrementEnable);
    return true;
}

bool FileID::set_preferencesPageLock(bool value)
{
    if (m_preferencesPageLock == value)
        return false;
    m_preferencesPageLock = value;
    emit preferencesPageLockChanged(m_preferencesPageLock);
    return true;
}

bool FileID::set_customerId(int value)
{
    if (m_customerId == value)
        return false;
    m_customerId = value;
    emit customerIdChanged(m_customerId);
    return true;
}
