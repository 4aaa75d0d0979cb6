#include "tavolenproxy.h"

#include "menudocument.h"
#include "tavolenfilecodec.h"

#include "core/kivdefs.h"
#include "platform/boundedfile.h"
#include "platform/durablefile.h"
#include "platform/kivclock.h"
#include "platform/kivroot.h"
#include "platform/toolrunner.h"
#include "statemachine/statemachinebuilder.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>

#include <algorithm>

namespace {

const QLatin1String kivSuffix(".kiv");
const QLatin1String jsonSuffix(".json");
const QLatin1String txtSuffix(".txt");

// Plain files only (no links, no directories), in name order ignoring case.
QStringList listFiles(const QString &folder)
{
    return QDir(KivRoot::path(folder))
        .entryList(QDir::Files | QDir::NoSymLinks | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
}

bool isKiv(const QString &name) { return name.endsWith(kivSuffix, Qt::CaseInsensitive); }
bool isJson(const QString &name) { return name.endsWith(jsonSuffix, Qt::CaseInsensitive); }

bool digitsOnly(const QString &text)
{
    return std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); });
}

// A plain file of the target is removed; a folder or nothing is left alone.
void removePlainFile(const QString &platformPath)
{
    const QString path = KivRoot::path(platformPath);
    if (QFileInfo(path).isFile())
        QFile::remove(path);
}

QString timeStamp()
{
    return QString::number(KivClock::secsSinceEpoch());
}

} // namespace

TavolenProxy::TavolenProxy(QObject *parent)
    : TarnStateMachine(parent)
    , m_host(std::make_unique<MenuImportHost>())
    , m_mcImportDir(usbFolder())
{
    buildMachine();
}

TavolenProxy::~TavolenProxy() = default;

void TavolenProxy::setHost(std::unique_ptr<MenuImportHost> host)
{
    m_host = host ? std::move(host) : std::make_unique<MenuImportHost>();
}

QString TavolenProxy::usbFolder() { return QStringLiteral("/media/sda1/"); }
QString TavolenProxy::localFolder() { return QStringLiteral("/root/preloadedMenus/"); }
QString TavolenProxy::updateFolder() { return QStringLiteral("/root/updates/menu/"); }

// The start-up import: looks once for a waiting menu, imports it and
// removes it. The two ends are final in effect.
void TavolenProxy::buildMachine()
{
    StateMachineBuilder b(this);
    const QString self = QStringLiteral("this");
    QState *findMcFile = b.state(this, "findMcFile");
    b.state(this, "checkSlaveReady");
    QState *doTheImport = b.state(this, "doTheImport");
    QState *doneState = b.state(this, "doneState");
    QState *nothingToDo = b.state(this, "nothingToDo");
    setInitialState(findMcFile);

    b.transition(findMcFile, doTheImport, "t_1", self, this, SIGNAL(doMcAutoImport()));
    b.transition(findMcFile, nothingToDo, "t_2", self, this, SIGNAL(noMcAutoImport()));
    b.transition(doTheImport, doneState, "t_3", self, this, SIGNAL(doneImporting()));
}

// ---- properties ----

void TavolenProxy::set_mcImportFound(bool value)
{
    m_mcImportFound = value;
    emit mcImportFoundChanged(value);
}

void TavolenProxy::set_updateMenuTimeStamp(const QString &value)
{
    m_updateMenuTimeStamp = value;
    emit updateMenuTimeStampChanged(value);
}

void TavolenProxy::set_mcImportFilename(const QString &value)
{
    m_mcImportFilename = value;
    emit mcImportFilenameChanged(value);
}

void TavolenProxy::set_mcImportDir(const QString &value)
{
    m_mcImportDir = value;
    emit mcImportDirChanged(value);
}

void TavolenProxy::set_upDirPossible(bool value)
{
    m_upDirPossible = value;
    emit upDirPossibleChanged(value);
}

void TavolenProxy::set_dirContent(const QStringList &value)
{
    m_dirContent = value;
    emit dirContentChanged(value);
}

void TavolenProxy::set_numOfFiles(int value)
{
    m_numOfFiles = value;
    emit numOfFilesChanged(value);
}

// ---- file browser ----

void TavolenProxy::set_importSource(int sourceType)
{
    set_mcImportDir(sourceType == KivDefs::MC_IMPORT_SOURCE_USB ? usbFolder() : localFolder());
}

void TavolenProxy::getMcImportDirList()
{
    QStringList menus;
    const QStringList files = listFiles(m_mcImportDir);
    for (const QString &name : files) {
        if (isKiv(name) || isJson(name))
            menus << name;
    }
    set_dirContent(menus);
    qDebug().noquote() << "files in : " + m_mcImportDir + " are ...\n  " + menus.join(QStringLiteral("\n  "));

    const auto kiv = std::find_if(menus.cbegin(), menus.cend(), isKiv);
    if (kiv != menus.cend()) {
        qDebug().noquote() << "Found update file: " + *kiv;
        set_mcImportFound(true);
        set_mcImportFilename(*kiv);
    } else {
        qDebug().noquote() << "No update file found: ";
        set_mcImportFound(false);
        set_mcImportFilename(QString());
    }
    set_numOfFiles(menus.size());
}

void TavolenProxy::sortFileModel(QString) {}

// ---- binary menu file ----

void TavolenProxy::reportFailure()
{
    emit tavolenDataImportFailed();
    m_host->reportMenuUpdated(timeStamp(), importSource(), false);
}

void TavolenProxy::importTavolenFile(QString filePath)
{
    const QString path = m_mcImportDir + filePath;
    qDebug().noquote() << ": trying mc import: " + path;

    QByteArray bytes;
    // A real menu file is a few tens of kilobytes.
    switch (BoundedFile::read(KivRoot::path(path), BoundedFile::SmallFileLimit, &bytes)) {
    case BoundedFile::Read:
        break;
    case BoundedFile::Unreadable:
        qDebug().noquote() << "Unable to Open File: " + path;
        reportFailure();
        return;
    case BoundedFile::Missing:
    case BoundedFile::TooLarge:
        reportFailure();
        return;
    }

    const TavolenFileCodec::Content file = TavolenFileCodec::decode(bytes);
    switch (file.stage) {
    case TavolenFileCodec::TooShort:
        qWarning().noquote() << QStringLiteral("Tavolen file %1 is too short: %2 bytes").arg(path).arg(bytes.size());
        reportFailure();
        return;
    case TavolenFileCodec::BadHeaderCrc:
        qWarning().noquote() << QStringLiteral("Tavolen import header crc fail: computedCrc = %1; header.crc = %2")
                                    .arg(file.headerCrc.computed).arg(file.headerCrc.stored);
        emit badHeaderCrc();
        reportFailure();
        return;
    case TavolenFileCodec::UnsupportedVersion:
        qDebug().noquote() << QStringLiteral("Tavolen file version %1 not supported!").arg(file.header.version);
        emit invalidFileVersion();
        return;
    case TavolenFileCodec::BlocksOutsideFile:
        qWarning().noquote() << QStringLiteral("Tavolen file %1 (%2 bytes) does not hold the blocks its header names")
                                    .arg(path).arg(bytes.size());
        reportFailure();
        return;
    case TavolenFileCodec::BlocksRead:
        break;
    }

    if (!file.configurationCrc.good()) {
        qDebug().noquote() << QStringLiteral("Tavolen import config crc fail: computedCrc = %1; configData.crc = %2")
                                  .arg(file.configurationCrc.computed).arg(file.configurationCrc.stored);
        emit badConfigurationCrc();
    }
    if (file.badProduct >= 0) {
        qDebug().noquote() << QStringLiteral("Tavolen import product crc fail: computedCrc = %1; product[i].crc = %2")
                                  .arg(file.badProductCrc.computed).arg(file.badProductCrc.stored);
        emit badProductCrc();
    }
    if (file.badDayPart >= 0) {
        qDebug().noquote() << QStringLiteral("Tavolen import daypart crc fail: computedCrc = %1; daypart[%2].crc = %3")
                                  .arg(file.badDayPartCrc.computed).arg(file.badDayPart).arg(file.badDayPartCrc.stored);
        emit badDaypartCrc();
    }
    // Configuration, menu and day parts go on together or not at all.
    if (!file.intact()) {
        reportFailure();
        return;
    }

    const QString now = timeStamp();
    emit newConfigData(file.configuration);
    emit newProductsDataList(file.products);
    for (int i = 0; i < TavolenFileCodec::DayPartRecords; ++i)
        emit newDayPartData(file.dayParts.at(i), i);
    emit saveNewDayPartsToJson();
    emit tavolenDataImported();
    emit importedMenu(QStringLiteral("%1|%2").arg(m_mcImportFilename, now), QStringLiteral("0"), m_mcImportFilename);
    m_host->reportMenuUpdated(now, importSource(), true);
}

// ---- JSON menu documents ----

bool TavolenProxy::announceJsonImport(const QByteArray &bytes, const QString &path, const QString &fileName,
                                      bool fromAgent)
{
    qDebug().noquote() << ": trying JSON import: " + path;
    const MenuDocument::Check check = MenuDocument::check(bytes);
    for (const QString &failure : check.failures)
        qWarning().noquote() << failure;
    if (!check.passed())
        return false;

    const QString menuVer = fromAgent ? MenuDocument::agentVersionText(check.menuVersion)
                                      : MenuDocument::fileVersionText(check.menuVersion);
    emit newProductsDataJsonDoc(QString::fromUtf8(QJsonDocument(check.document).toJson(QJsonDocument::Indented)));
    emit tavolenDataImported();
    emit importedMenu(QStringLiteral("%1|%2").arg(fileName, timeStamp()), menuVer, check.menuDescription);
    return true;
}

void TavolenProxy::importTavolenJsonFile(QString filePath)
{
    const QString path = m_mcImportDir + filePath;
    QByteArray bytes;
    // A file that cannot be read checks as no document.
    BoundedFile::read(KivRoot::path(path), BoundedFile::LargeFileLimit, &bytes);
    if (announceJsonImport(bytes, path, m_mcImportFilename, false)) {
        m_host->reportMenuUpdated(timeStamp(), importSource(), true);
    } else {
        emit tavolenDataImportFailed();
        m_host->reportMenuUpdated(timeStamp(), importSource(), false);
    }
}

void TavolenProxy::importIotAgentJsonFile(QString filePath)
{
    const QStringList files = listFiles(filePath);
    const auto found = std::find_if(files.cbegin(), files.cend(), isJson);
    const QString name = found != files.cend() ? *found : QString();
    qDebug().noquote() << "IoT Agent menu file import!!!!";
    qDebug().noquote() << "File name =" << name;
    qDebug().noquote() << "File path =" << filePath;
    if (name.isEmpty())
        return;

    const QString path = filePath + name;
    QByteArray bytes;
    BoundedFile::read(KivRoot::path(path), BoundedFile::LargeFileLimit, &bytes);
    if (announceJsonImport(bytes, filePath, name, true)) {
        m_host->reportCloudUpdateDone(timeStamp(), true);
    } else {
        emit tavolenDataImportFailed();
        m_host->reportCloudUpdateDone(timeStamp(), false);
    }
    // Tried once: a bad document is not tried again.
    removePlainFile(path);
    ToolRunner::startDetached(QStringLiteral("/bin/sync"), {});
}

void TavolenProxy::exportTavolenJsonFile()
{
    const QString folder = m_host->flashDrivePath();
    if (folder.isEmpty()) {
        qWarning().noquote() << "No flash drive to export the menu to";
        emit exportMenuFailed();
        return;
    }
    const QString drive = KivRoot::path(folder);
    const QString serial = m_host->serialNumber();
    const QString name = MenuDocument::exportFileName(
        serial, QDir(drive).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot));
    const QByteArray document = MenuDocument::exportDocument(serial, m_host->menuJson(), m_host->dayPartsExportJson());

    // A full stick fails the write: nothing is left behind and the export
    // is reported failed.
    QString error;
    if (DurableFile::replace(drive + name, document, &error) != DurableFile::Replaced) {
        qWarning().noquote() << "Menu export to " + folder + name + " failed: " + error;
        emit exportMenuFailed();
        return;
    }
    qDebug().noquote() << "Menu exported to " + folder + name;
    emit exportedMenu(name);
}

// ---- other displays ----

void TavolenProxy::processSlaveFoundSignal(bool value)
{
    if (value)
        emit slaveFoundSignal();
    else
        emit slaveNotFoundSignal();
}

// ---- start-up import ----

void TavolenProxy::findMcFile_onEntry()
{
    const QString folder = updateFolder();
    qDebug().noquote() << "1: findMcFile_onEntry: " + folder;
    if (!QFileInfo(KivRoot::path(folder)).isDir()) {
        emit noMcAutoImport();
        return;
    }

    QStringList candidates;
    QString stamp;
    const QStringList files = listFiles(folder);
    for (const QString &name : files) {
        if (isKiv(name)) {
            candidates << name;
            qDebug().noquote() << "Found kiv file: " + name;
        } else if (isJson(name)) {
            candidates << name;
            qDebug().noquote() << "Found json file: " + name;
        }
        // The first time-stamp file, named by the seconds since the epoch
        // after which the menu may be applied.
        if (name.endsWith(txtSuffix, Qt::CaseInsensitive) && stamp.isEmpty()) {
            stamp = name;
            stamp.remove(txtSuffix, Qt::CaseInsensitive);
            if (digitsOnly(stamp))
                set_updateMenuTimeStamp(name);
            else
                stamp.clear();
        }
    }

    const qint64 now = (KivClock::msecsSinceEpoch() + 500) / 1000;
    if (stamp.toLongLong() >= now) {
        qDebug().noquote() << "Menu in " + folder + " waits until " + stamp;
        emit noMcAutoImport();
        return;
    }
    if (candidates.isEmpty()) {
        set_mcImportFound(false);
        emit noMcAutoImport();
        return;
    }
    set_mcImportFilename(candidates.first());
    set_mcImportFound(true);
    set_mcImportDir(folder);
    emit doMcAutoImport();
}

void TavolenProxy::checkSlaveReady_onEntry()
{
    emit askForSlaveSignal();
}

void TavolenProxy::doTheImport_onEntry()
{
    m_autoImport = true;
    if (isKiv(m_mcImportFilename))
        importTavolenFile(m_mcImportFilename);
    else if (isJson(m_mcImportFilename))
        importTavolenJsonFile(m_mcImportFilename);
    emit doneImporting();
}

void TavolenProxy::doTheImport_onExit()
{
    m_autoImport = false;
}

void TavolenProxy::doneState_onEntry()
{
    // Removed whatever the outcome: a bad menu is tried once.
    if (!m_mcImportFilename.isEmpty())
        removePlainFile(m_mcImportDir + m_mcImportFilename);
    if (!m_updateMenuTimeStamp.isEmpty())
        removePlainFile(m_mcImportDir + m_updateMenuTimeStamp);
    set_mcImportFilename(QString());
    set_updateMenuTimeStamp(QString());
    set_mcImportFound(false);
    m_mcImportDir = usbFolder();
}

void TavolenProxy::nothingToDo_onEntry()
{
    set_mcImportFilename(QString());
    set_mcImportFound(false);
    m_mcImportDir = usbFolder();
}
