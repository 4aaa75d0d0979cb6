#include "daypartmanager.h"

#include "menudocument.h"

#include "property/assignifchanged.h"

#include "platform/kivclock.h"
#include "platform/boundedfile.h"
#include "platform/kivroot.h"
#include "platform/toolrunner.h"
#include "ui/translator.h"

#include <QDebug>
#include <QProcess>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QTextStream>

#include <algorithm>

#include <unistd.h>

// The default older day-part files are compiled into the controller's
// library; a static library's resources are registered by hand.
static void initDayPartResources()
{
    static const bool registered = [] {
        Q_INIT_RESOURCE(menudefaults);
        return true;
    }();
    Q_UNUSED(registered)
}

namespace {

const QString dayPartsFileName = QStringLiteral("dayParts.json");
const QString morningFileName = QStringLiteral("morningDayPart.txt");
const QString eveningFileName = QStringLiteral("eveningDayPart.txt");
constexpr int dayPartVersion = 1;
constexpr int singleBinTraysPerZone = 2;

// Language id of a language code; a code the table does not hold counts as
// English, as the translator answers.
int languageIdOf(const QString &code)
{
    for (int id = 0; id < Translator::numberOfLanguages; ++id) {
        if (Translator::languageCode(id) == code)
            return id;
    }
    return 0;
}

bool validLanguage(int language)
{
    return language >= 0 && language < Translator::numberOfLanguages;
}

} // namespace

DayPartManager::DayPartManager(int numberOfZones, int traysPerZone, MenuManager *menus,
                               QObject *parent)
    : TarnStateMachine(parent)
    , m_numberOfZones(numberOfZones)
    , m_traysPerZone(traysPerZone)
    , m_menus(menus)
{
    initDayPartResources();

    for (int d = 0; d < kMaxDayParts; ++d) {
        const QString name = QStringLiteral("Daypart %1").arg(d);
        m_names[d] = QStringList();
        for (int language = 0; language < Translator::numberOfLanguages; ++language)
            m_names[d] << name;
    }
    const QStringList breakfast = {QStringLiteral("Breakfast"), QStringLiteral("Desayuno"),
                                   QStringLiteral("Petit-déjeuner")};
    const QStringList lunch = {QStringLiteral("Lunch/Dinner"), QStringLiteral("Almuerzo/Cena"),
                               QStringLiteral("Déjeuner/Dîner")};
    for (int language = 0; language < Translator::numberOfLanguages; ++language) {
        m_names[0][language] = breakfast.value(language, breakfast.first());
        m_names[1][language] = lunch.value(language, lunch.first());
    }

    m_writer = new SafeFileWriter(KivRoot::appFile(dayPartsFileName), this);
    connect(m_writer, &SafeFileWriter::saveFinished, this, &DayPartManager::writeDaypartsFileWrapUp);
    connect(this, &DayPartManager::nextDayPartChanged, this, &DayPartManager::buildNotifyDayPartChange);
}

// ---- properties ----

void DayPartManager::set_partOfDay(int value)
{
    if (assignIfChanged(m_partOfDay, value))
        emit partOfDayChanged(m_partOfDay);
}

void DayPartManager::set_nextDayPart(int value)
{
    // The selection reaches the zones, the trays and the restore file: a
    // number that names no row of the table is refused here.
    if (value < 0 || value >= kMaxDayParts) {
        qDebug() << "DayPartManager::set_nextDayPart() dayPart out of range:" << value;
        return;
    }
    m_nextDayPart = value;
    emit nextDayPartChanged(m_nextDayPart);
}

void DayPartManager::set_singleCol(bool value)
{
    if (assignIfChanged(m_singleCol, value))
        emit singleColChanged(m_singleCol);
}

void DayPartManager::set_numOfTrays(int value)
{
    if (assignIfChanged(m_numOfTrays, value))
        emit numOfTraysChanged(m_numOfTrays);
}

void DayPartManager::set_traysPerZone(int value)
{
    if (assignIfChanged(m_traysPerZone, value))
        emit traysPerZoneChanged(m_traysPerZone);
}

void DayPartManager::set_numberOfZones(int value)
{
    if (assignIfChanged(m_numberOfZones, value))
        emit numberOfZonesChanged(m_numberOfZones);
}

// ---- lookups ----

bool DayPartManager::positionInTable(int position) const
{
    // numOfTrays is a setting; the table never has more than its positions.
    return position >= 0 && position < m_numOfTrays && position < kMaxPositions;
}

int DayPartManager::toolBinOfPosition(int position) const
{
    const int bin = m_productLocationMap.value(position, -1);
    return bin >= 0 && bin < kMaxPositions ? bin : position;
}

int DayPartManager::getProdIdOnBin(int dayPart, int bin) const
{
    // Both checks log before the result is chosen, so a call with two bad
    // arguments says so twice.
    bool ok = true;
    if (dayPart < 0 || dayPart >= kMaxDayParts) {
        qDebug() << "getProdIdOnBin() dp out of range: " << dayPart;
        ok = false;
    }
    if (bin < 0 || bin >= m_numOfTrays) {
        qDebug() << "getProdIdOnBin() bin out of range: " << bin;
        ok = false;
    }
    if (!ok || !positionInTable(bin))
        return 0;
    return m_table[dayPart][bin];
}

void DayPartManager::setProdIdOnBin(int dayPart, int bin, int id)
{
    if (dayPart < 0 || dayPart >= kMaxDayParts || bin < 0 || bin >= m_numOfTrays || !positionInTable(bin))
        return;
    m_table[dayPart][bin] = id;
}

int DayPartManager::dayPartGetProductId(int dayPart, int zone, int panIndex) const
{
    bool ok = true;
    if (dayPart < 0 || dayPart >= kMaxDayParts) {
        qDebug() << "DayPartManager::dayPartGetProductId() dayPart out of range:" << dayPart;
        ok = false;
    }
    if (zone < 0 || zone >= m_numberOfZones) {
        qDebug() << "DayPartManager::dayPartGetProductId() zone out of range:" << zone;
        ok = false;
    }
    if (panIndex < 0 || panIndex >= m_traysPerZone) {
        qDebug() << "DayPartManager::dayPartGetProductId() panIndex out of range:" << panIndex;
        ok = false;
    }
    const int position = panIndex + m_traysPerZone * zone;
    if (!ok || !positionInTable(position))
        return 0;
    return m_table[dayPart][position];
}

int DayPartManager::dayPartEditGetProductId(int dayPart, int zone, int panIndex) const
{
    bool ok = true;
    if (dayPart < 0 || dayPart >= m_dayPartsCount) {
        qDebug() << "DayPartManager::dayPartEditGetProductId() dayPart out of range:" << dayPart;
        ok = false;
    }
    if (zone < 0 || zone >= m_numberOfZones) {
        qDebug() << "DayPartManager::dayPartEditGetProductId() zone out of range:" << zone;
        ok = false;
    }
    if (panIndex < 0 || panIndex >= m_traysPerZone) {
        qDebug() << "DayPartManager::dayPartEditGetProductId() panIndex out of range:" << panIndex;
        ok = false;
    }
    const int position = panIndex + m_traysPerZone * zone;
    if (!ok || !positionInTable(position))
        return 0;
    return m_editTable[dayPart][position];
}

void DayPartManager::dayPartEditSetProductId(int dayPart, int zone, int panIndex, int prodId)
{
    // The same checks as the reading side: the screens pass what they
    // show, and a wrong index must never write outside the edit copy.
    bool ok = true;
    if (dayPart < 0 || dayPart >= m_dayPartsCount) {
        qDebug() << "DayPartManager::dayPartEditSetProductId() dayPart out of range:" << dayPart;
        ok = false;
    }
    if (zone < 0 || zone >= m_numberOfZones) {
        qDebug() << "DayPartManager::dayPartEditSetProductId() zone out of range:" << zone;
        ok = false;
    }
    if (panIndex < 0 || panIndex >= m_traysPerZone) {
        qDebug() << "DayPartManager::dayPartEditSetProductId() panIndex out of range:" << panIndex;
        ok = false;
    }
    const int position = panIndex + m_traysPerZone * zone;
    if (!ok || !positionInTable(position))
        return;
    editSet(dayPart, position, prodId);
}

bool DayPartManager::singleBinZones() const
{
    const QObject *cabinet = parent();
    return cabinet && cabinet->property("singleBinZone").toInt() == 1
        && cabinet->property("traysPerZone").toInt() == singleBinTraysPerZone;
}

void DayPartManager::editSet(int dayPart, int position, int prodId)
{
    m_editTable[dayPart][position] = prodId;
    // An odd zone of a single-bin cabinet holds one product across both
    // pan places: its second place stays empty.
    const int zone = position / singleBinTraysPerZone;
    if (singleBinZones() && zone % 2 == 1 && position % singleBinTraysPerZone == 0
        && positionInTable(position + 1))
        m_editTable[dayPart][position + 1] = 0;
}

void DayPartManager::dayPartEditInitialize()
{
    std::copy(&m_table[0][0], &m_table[0][0] + kMaxDayParts * kMaxPositions, &m_editTable[0][0]);
}

void DayPartManager::dayPartEditSave()
{
    std::copy(&m_editTable[0][0], &m_editTable[0][0] + kMaxDayParts * kMaxPositions, &m_table[0][0]);
    saveDayPartFileJson();
}

void DayPartManager::deleteProductGroupFromDayParts(int pgid)
{
    for (int d = 0; d < kMaxDayParts; ++d) {
        for (int position = 0; position < kMaxPositions; ++position) {
            if (positionInTable(position) && m_editTable[d][position] == pgid)
                editSet(d, position, 0);
        }
    }
}

void DayPartManager::loadDefaultDayPart()
{
    set_nextDayPart(0);
}

// ---- names ----

Translator *DayPartManager::translator() const
{
    return parent() ? parent()->findChild<Translator *>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
}

QString DayPartManager::nameOf(int language, int dayPart) const
{
    if (dayPart < 0 || dayPart >= m_dayPartsCount || dayPart >= kMaxDayParts || !validLanguage(language))
        return QString();
    return m_names[dayPart].value(language);
}

QString DayPartManager::getDayPartName(int dayPartIndex) const
{
    QString code;
    if (const QObject *cabinet = parent()) {
        if (const QObject *config = cabinet->property("configManager").value<QObject *>())
            code = config->property("languageId").toString();
    }
    return nameOf(languageIdOf(code), dayPartIndex);
}

QString DayPartManager::getDayPartName(int language, int dayPartIndex) const
{
    return nameOf(language, dayPartIndex);
}

void DayPartManager::buildNotifyDayPartChange(int dp)
{
    // Before the first language switch the translator answers -1: the
    // change is then reported with the English names.
    const Translator *tr = translator();
    int language = tr ? tr->getLanguage() : 0;
    if (!validLanguage(language))
        language = 0;
    const QString previous = nameOf(language, m_partOfDay);
    const QString next = nameOf(language, dp);
    if (dp != m_partOfDay)
        emit notifyDayPartChange(QString::number(KivClock::secsSinceEpoch()), previous, next);
}

// ---- in-use list ----

int DayPartManager::getDayPartToUse(int index) const
{
    return m_inUse.value(index, -1);
}

int DayPartManager::getDayPartToUseIndex(int dayPart) const
{
    return qMax(m_inUse.indexOf(dayPart), 0);
}

void DayPartManager::resetIsUsedDayPart()
{
    m_inUse.clear();
}

void DayPartManager::setIsUsedDayPart(int index, bool isUsed)
{
    if (!isUsed)
        return;
    if (index < 0 || index >= kMaxDayParts) {
        qDebug() << "DayPartManager::setIsUsedDayPart() dayPart out of range:" << index;
        return;
    }
    m_inUse.append(index);
}

void DayPartManager::saveDayPartsUsed()
{
    saveDayPartFileJson();
    emit reloadDaypartsInUse();
}

// ---- "dayParts.json" ----

int DayPartManager::positionsInCabinet() const
{
    const QObject *cabinet = parent();
    const QVariant trays = cabinet ? cabinet->property("traysPerCabinet") : QVariant();
    const int positions = trays.isValid() ? trays.toInt() : m_numOfTrays;
    return qBound(0, positions, int(kMaxPositions));
}

QByteArray DayPartManager::dayPartsInfoToJson(bool isToLocalFile) const
{
    QJsonArray layout;
    const int positions = positionsInCabinet();
    for (int d = 0; d < m_dayPartsCount && d < kMaxDayParts; ++d) {
        QJsonObject names;
        for (int language = 0; language < Translator::numberOfLanguages; ++language) {
            const QString code = Translator::languageCode(language);
            if (!code.isEmpty())
                names.insert(code, m_names[d].value(language));
        }
        QJsonArray locations;
        for (int p = 0; p < positions; ++p) {
            QJsonObject location;
            location.insert(QStringLiteral("bin"), (isToLocalFile ? p : toolBinOfPosition(p)) + 1);
            location.insert(QStringLiteral("productId"), m_table[d][p]);
            locations.append(location);
        }
        QJsonObject entry;
        entry.insert(QStringLiteral("daypartName"), names);
        entry.insert(QStringLiteral("productLocations"), locations);
        entry.insert(QStringLiteral("inUse"), m_inUse.contains(d));
        layout.append(entry);
    }
    QJsonObject document;
    document.insert(QStringLiteral("dayPartVersion"), dayPartVersion);
    document.insert(QStringLiteral("layout"), layout);
    return QJsonDocument(document).toJson(QJsonDocument::Indented);
}

void DayPartManager::saveDayPartFileJson()
{
    // A ".New" left by an interrupted save may be the only copy of newer
    // day parts: keep it aside before it is overwritten.
    const QString newName = m_writer->newFilePath();
    if (QFileInfo::exists(newName)) {
        const QString backup = newName + QStringLiteral(".backup");
        qDebug().noquote() << "Copying " + newName + " as " + backup;
        QFile::remove(backup);
        QFile::copy(newName, backup);
    }
    qDebug().noquote() << "Saving day-parts json file.";
    m_writer->save(dayPartsInfoToJson(true));
}

void DayPartManager::saveNewDayPartsToJson()
{
    saveDayPartFileJson();
}

void DayPartManager::writeDaypartsFileWrapUp(SafeFileWriter::Result result)
{
    if (result == SafeFileWriter::OpenFailed)
        qDebug().noquote() << "Unable to Open File for saving!!!";
    if (result != SafeFileWriter::Saved)
        return;

    // "dayParts.json" is now good: older files still lying beside it have
    // been converted into it.
    for (const QString &name : {morningFileName, eveningFileName}) {
        const QString path = KivRoot::appFile(name);
        if (QFileInfo::exists(path))
            QFile::remove(path);
    }

    QObject *cabinet = parent();
    const bool sent = cabinet
        && QMetaObject::invokeMethod(cabinet, "sendFileViaCanbus", Qt::DirectConnection,
                                     Q_ARG(int, kDayPartsFileTransferId))
        && QMetaObject::invokeMethod(cabinet, "sendMcUpdateDayparts", Qt::DirectConnection);
    if (!sent)
        qWarning().noquote() << "dayParts.json saved, but there is no cabinet to send it to the other displays";
    emit newDayPartDefinition(m_nextDayPart);
    emit daypartsFileLoadDone();
}

void DayPartManager::clearTable()
{
    std::fill(&m_table[0][0], &m_table[0][0] + kMaxDayParts * kMaxPositions, 0);
}

void DayPartManager::readNames(int dayPart, const QJsonObject &names)
{
    for (auto it = names.constBegin(); it != names.constEnd(); ++it)
        m_names[dayPart][languageIdOf(it.key())] = it.value().toString();
}

void DayPartManager::dayPartsLoadJsonDocFile()
{
    const QString jsonPath = KivRoot::appFile(dayPartsFileName);
    const QString morningPath = KivRoot::appFile(morningFileName);
    const QString eveningPath = KivRoot::appFile(eveningFileName);

    if (QFileInfo::exists(jsonPath)) {
        QFile::remove(morningPath);
        QFile::remove(eveningPath);
    } else if (QFileInfo::exists(morningPath) || QFileInfo::exists(eveningPath)) {
        // The older files are removed only once their conversion is safely
        // on disk (see the save's wrap-up).
        if (QFileInfo::exists(morningPath)) {
            readDayPartFile(morningPath, 0);
            qDebug().noquote() << "Read the file morningDayPart.txt";
        }
        if (QFileInfo::exists(eveningPath)) {
            readDayPartFile(eveningPath, 1);
            qDebug().noquote() << "Read the file eveningDayPart.txt";
        }
        saveDayPartFileJson();
        emit newDayPartDefinition(m_nextDayPart);
        return;
    }

    QByteArray bytes;
    const BoundedFile::Result read = BoundedFile::read(jsonPath, BoundedFile::LargeFileLimit, &bytes);
    if (read == BoundedFile::Missing || read == BoundedFile::Unreadable) {
        qDebug().noquote() << "Unable to Open File: " + jsonPath;
        clearTable();
        return;
    }

    // A file refused as too large reads as one that is not an object.
    const QJsonDocument document = QJsonDocument::fromJson(bytes);
    const QJsonObject root = document.object();
    const QJsonValue layoutValue = root.value(QStringLiteral("layout"));
    if (!document.isObject()) {
        qWarning().noquote() << jsonPath << "is not a JSON object; keeping the day parts held";
    } else if (root.value(QStringLiteral("dayPartVersion")).toInt() != dayPartVersion) {
        qWarning().noquote() << jsonPath << "has an unknown dayPartVersion; keeping the day parts held";
    } else if (!layoutValue.isArray()) {
        qWarning().noquote() << jsonPath << "has no layout; keeping the day parts held";
    } else {
        takeLayout(layoutValue.toArray(), LayoutNumbering::Positions);
    }

    if (m_inUse.isEmpty())
        m_inUse.append(0);
    emit daypartsFileLoadDone();
    emit reloadDaypartsInUse();
    emit newDayPartDefinition(m_nextDayPart);
}

// ---- older text files ----

void DayPartManager::readDayPartFile(QString dayPartFilename, int j)
{
    QString fileName = dayPartFilename;
    const QFileInfo info(dayPartFilename);
    if (!info.exists() || info.size() == 0)
        fileName = QStringLiteral(":/") + dayPartFilename;

    if (j < 0 || j > 1) {
        qDebug().noquote() << "DayPartManager: readDayPartFile error bad day part index";
        return;
    }
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        qDebug().noquote() << "Unable to Open File: " + fileName + " DayPart file doesn't exist!";
        return;
    }
    QTextStream in(&file);
    while (!in.atEnd()) {
        const QString line = in.readLine();
        if (line.startsWith(QLatin1String("//")))
            continue;
        const QStringList parts = line.split(QLatin1Char(','));
        for (int position = 0; position < parts.size() && position < kMaxPositions; ++position) {
            bool ok = false;
            const int id = parts.at(position).trimmed().toInt(&ok);
            if (!ok)
                break;
            m_table[j][position] = id;
        }
    }
}

void DayPartManager::readDayPartFiles()
{
    readDayPartFile(morningFileName, 0);
    readDayPartFile(eveningFileName, 1);
    emit newDayPartDefinition(m_nextDayPart);
}

void DayPartManager::saveDayPartFile(QString dayPartFilename, QString content)
{
    const QString path = KivRoot::appFile(dayPartFilename);
    if (QFileInfo::exists(path)) {
        const QString backup = path + QStringLiteral(".backup");
        qDebug().noquote() << "Copying " + path + " as " + backup;
        QFile::remove(backup);
        QFile::copy(path, backup);
    }
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text)) {
        qDebug().noquote() << "Unable to Open File !!! " + path;
        return;
    }
    const QByteArray bytes = content.toUtf8();
    const bool written = file.write(bytes) == bytes.size() && file.flush() && ::fsync(file.handle()) == 0;
    file.close();
    if (!written)
        qWarning().noquote() << "Writing" << path << "failed:" << file.errorString();
    QProcess *sync = ToolRunner::start(QStringLiteral("/bin/sync"), {}, this);
    connect(sync, QOverload<int, QProcess::ExitStatus>::of(&QProcess::finished), sync, &QObject::deleteLater);
}

// ---- menu import ----

void DayPartManager::setFromToolBins(int dayPart, const int (&toolIds)[kMaxPositions])
{
    int *row = m_table[dayPart];
    std::fill(row, row + kMaxPositions, 0);
    for (int p = 0; p < kMaxPositions; ++p) {
        if (positionInTable(p))
            row[p] = toolIds[toolBinOfPosition(p)];
    }
    // An odd zone of a single-bin cabinet holds one product across both pan
    // places: only its first place keeps an id.
    if (singleBinZones()) {
        for (int p = 0; p < kMaxPositions; ++p) {
            if ((p / singleBinTraysPerZone) % 2 == 1 && p % singleBinTraysPerZone != 0)
                row[p] = 0;
        }
    }
}

void DayPartManager::processTavolenDayPart(DayPart_t data, int idx)
{
    if (idx < 0 || idx >= kMaxDayParts) {
        qWarning().noquote() << "Imported day part" << idx << "is outside the day-part table; ignored";
        return;
    }
    int toolIds[kMaxPositions];
    for (int bin = 0; bin < kMaxPositions; ++bin)
        toolIds[bin] = int(data.productIds[bin]);
    setFromToolBins(idx, toolIds);

    QStringList ids;
    for (int p = 0; p < m_numOfTrays && p < kMaxPositions; ++p)
        ids << QString::number(m_table[idx][p]);
    qDebug().noquote() << "Imported day part: " + QString::number(idx);
    qDebug().noquote() << ids.join(QLatin1Char(','));
}

void DayPartManager::processTavolenJsonDayParts(QString mcMenuDoc)
{
    const QJsonDocument document = QJsonDocument::fromJson(mcMenuDoc.toUtf8());
    if (!document.isObject())
        return;
    const QJsonValue version = document.object().value(QStringLiteral("header")).toObject().value(QStringLiteral("menuVersion"));
    qDebug().noquote() << "Menu Version = " + QString::number(version.toVariant().toInt());
    if (!MenuDocument::versionSupported(version)) {
        qWarning().noquote() << "Day parts of a menu version" << version.toVariant().toString()
                             << "are not read; the day parts are kept";
        return;
    }
    const QJsonValue layoutValue = document.object().value(QStringLiteral("menu")).toObject().value(QStringLiteral("layout"));
    if (!layoutValue.isArray())
        return;

    takeLayout(layoutValue.toArray(), LayoutNumbering::ToolBins);
    saveDayPartFileJson();
}

void DayPartManager::takeLayout(const QJsonArray &layout, LayoutNumbering numbering)
{
    if (!layout.isEmpty()) {
        m_dayPartsCount = qMin(layout.size(), int(kMaxDayParts));
        m_inUse.clear();
    }
    clearTable();
    for (int d = 0; d < layout.size() && d < kMaxDayParts; ++d) {
        const QJsonObject entry = layout.at(d).toObject();
        readNames(d, entry.value(QStringLiteral("daypartName")).toObject());
        int ids[kMaxPositions] = {};
        const QJsonArray locations = entry.value(QStringLiteral("productLocations")).toArray();
        for (const QJsonValue &value : locations) {
            const QJsonObject location = value.toObject();
            const int bin = location.value(QStringLiteral("bin")).toInt();
            if (bin >= 1 && bin <= m_numOfTrays && bin <= kMaxPositions)
                ids[bin - 1] = location.value(QStringLiteral("productId")).toInt();
        }
        if (numbering == LayoutNumbering::ToolBins) {
            setFromToolBins(d, ids);
            // Every imported day part is in use, whatever the entry says.
            m_inUse.append(d);
        } else {
            std::copy(ids, ids + kMaxPositions, m_table[d]);
            const QJsonValue inUse = entry.value(QStringLiteral("inUse"));
            if (inUse.isUndefined() || inUse.toBool())
                m_inUse.append(d);
        }
    }
}
