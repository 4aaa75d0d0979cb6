// ConfigurationManager, continued: installing a cabinet's personality file.
// The service screens pick one from the sets of preloaded configurations
// kept on the display; at the factory the end-of-line set-up takes it, and
// the customer's menu, from a USB flash drive. On a two-display cabinet
// this display becomes the primary one and sends the other display its
// file over CAN. The new file takes effect at the next start.

#include "configurationmanager.h"

#include "config/personalityfiles.h"

#include "canbus/canbusmanager.h"
#include "platform/boundedfile.h"
#include "platform/durablefile.h"
#include "platform/kivroot.h"
#include "platform/toolrunner.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QJsonValue>
#include <QRegularExpression>
#include <QTextStream>

namespace {

const QLatin1String kPrefix("CFG_");
const QLatin1String kExtension(".hcc");
const QLatin1String kPrimary("_PRIMARY");
const QLatin1String kMirror("_MIRROR");
const QLatin1String kSecondary("_SECONDARY");
const char kCustomerList[] = "CustomerLookUp.csv";

// `doubleSided` of a cabinet with two displays, and `selectedDisplaySide`
// of its primary display.
constexpr int kTwoDisplays = 2;
constexpr int kPrimarySide = 0;
constexpr int kOtherSide = 1;

constexpr uint kPrimaryCanId = 1;

// A model number (without its leading "X") has more than nine characters;
// a "2" at position 8 marks a two-display cabinet, and the personality
// files of a model family carry "X" at positions 2, 5 and 6.
constexpr int kShortestModel = 10;
constexpr int kDisplaysPosition = 8;
constexpr int kFamilyPositions[] = {2, 5, 6};

QString failureText(const QString &reason)
{
    return QStringLiteral("<b>Unit configuration Failed:</b><br>") + reason;
}

} // namespace

// ---------------------------------------------------------------------------
// Preloaded sets

QString ConfigurationManager::preloadedSetDir() const
{
    return KivRoot::appFile(QStringLiteral("preloadedConfigs/")) + m_selectedCustomConfig + QLatin1Char('/');
}

QStringList ConfigurationManager::preloadedSetFiles() const
{
    return QDir(preloadedSetDir()).entryList(QDir::Files, QDir::Name);
}

QStringList ConfigurationManager::get_customConfigs() const
{
    return QDir(KivRoot::appFile(QStringLiteral("preloadedConfigs/")))
        .entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
}

QStringList ConfigurationManager::get_customConfigModels() const
{
    QStringList models;
    const QStringList files = preloadedSetFiles();
    for (const QString &file : files) {
        if (!file.startsWith(kPrefix) || !file.endsWith(kExtension))
            continue;
        const QString model = file.mid(kPrefix.size(), file.size() - kPrefix.size() - kExtension.size())
                                  .section(QLatin1Char('_'), 0, 0);
        if (!models.contains(model))
            models << model;
    }
    return models;
}

int ConfigurationManager::get_configDisplaysCount(const QString &model) const
{
    const QStringList files = preloadedSetFiles();
    for (const QString &file : files)
        if (file.contains(model) && file.contains(QLatin1String("PRIMARY")))
            return 2;
    return 1;
}

bool ConfigurationManager::get_configDisplaysLeftRight(const QString &model) const
{
    const QStringList files = preloadedSetFiles();
    for (const QString &file : files)
        if (file.contains(model) && file.contains(QLatin1String("SECONDARY")))
            return true;
    return false;
}

bool ConfigurationManager::validateModelNumber(const QString &model) const
{
    const QStringList files = preloadedSetFiles();
    for (const QString &file : files) {
        if (!file.contains(model))
            continue;
        for (const QString &suffix : {QString(kMirror), QString(kSecondary), QString(kPrimary), QString()})
            if (file == kPrefix + model + suffix + kExtension)
                return true;
    }
    return false;
}

QString ConfigurationManager::getConfigFileName(const QString &model) const
{
    qDebug().noquote() << "Get File Name selected" << m_selectedDisplaySide << " display Type :"
                       << m_doubleSided;
    QString suffix;
    if (m_doubleSided == kTwoDisplays) {
        const QStringList files = preloadedSetFiles();
        for (const QString &file : files) {
            if (!file.contains(model))
                continue;
            if (m_selectedDisplaySide == kPrimarySide && file == kPrefix + model + kPrimary + kExtension)
                suffix = kPrimary;
            else if (m_selectedDisplaySide == kOtherSide && file == kPrefix + model + kMirror + kExtension)
                suffix = kMirror;
            else if (m_selectedDisplaySide == kOtherSide && file == kPrefix + model + kSecondary + kExtension)
                suffix = kSecondary;
        }
    }
    qDebug().noquote() << "File Name :" << suffix;
    return suffix;
}

void ConfigurationManager::setConfigurationFile()
{
    const QString name = kPrefix + m_modelNumber + getConfigFileName(m_modelNumber) + kExtension;
    const QString source = preloadedSetDir() + name;
    if (!QFile::exists(source)) {
        qDebug() << "Configuration file is not found in preloadedConfigs";
    } else {
        const bool replacing = QFile::exists(KivRoot::appFile(name));
        QString error;
        if (!PersonalityFiles::install(source, name, &error)) {
            qWarning().noquote() << "Unable to install" << name + ":" << error << "- the present files stay";
        } else {
            if (replacing) {
                // What removing the old file tells the other displays and
                // the screens.
                QMetaObject::invokeMethod(parent(), "sendConfigSettingsData", Qt::DirectConnection);
                emit resetConfigurationFileCompleted();
            }
            m_individualDPEnabled = true;
            saveConfigFile();
            ToolRunner::startDetached(QStringLiteral("/bin/sync"), {});
            emit copyConfigurationFileCompleted();
        }
    }

    if (m_doubleSided == kTwoDisplays && m_selectedDisplaySide == kPrimarySide) {
        becomePrimaryDisplay();
        const QString mirror = preloadedSetDir() + kPrefix + m_modelNumber + kMirror + kExtension;
        const QString secondary = preloadedSetDir() + kPrefix + m_modelNumber + kSecondary + kExtension;
        if (QFile::exists(mirror)) {
            qDebug().noquote() << "Need to send mirror config file:" << mirror;
            sendPersonalityToOtherDisplay(mirror);
        } else if (QFile::exists(secondary)) {
            qDebug().noquote() << "Need to send secondary config file:" << secondary;
            sendPersonalityToOtherDisplay(secondary);
        }
    }
}

void ConfigurationManager::resetConfiguration()
{
    PersonalityFiles::removeAllExcept();
    QMetaObject::invokeMethod(parent(), "sendConfigSettingsData", Qt::DirectConnection);
    saveConfigFile();
    ToolRunner::startDetached(QStringLiteral("/bin/sync"), {});
    emit resetConfigurationFileCompleted();
}

void ConfigurationManager::becomePrimaryDisplay()
{
    if (m_canbusManager) {
        m_canbusManager->set_canId(kPrimaryCanId);
    }
    QMetaObject::invokeMethod(parent(), "set_iAmMaster", Qt::DirectConnection, Q_ARG(bool, true));
    if (m_canbusManager) {
        m_canbusManager->clearQueue();
        // A display without a personality file is not on the bus yet.
        if (!m_canbusManager->isRunning())
            m_canbusManager->start();
    }
}

void ConfigurationManager::sendPersonalityToOtherDisplay(const QString &path)
{
    QMetaObject::invokeMethod(parent(), "sendFileViaCanbus", Qt::DirectConnection, Q_ARG(QString, path),
                              Q_ARG(int, CanbusManager::KIV_MULTI_FILE_TRANSFER_UI_ID));
}

// ---------------------------------------------------------------------------
// USB set-up

QString ConfigurationManager::flashDrivePath() const
{
    QString path;
    QMetaObject::invokeMethod(parent(), "readFlashDrivePath", Qt::DirectConnection, Q_RETURN_ARG(QString, path));
    return KivRoot::path(path);
}

QString ConfigurationManager::getConfigCustomerName(const QString &customerNumber) const
{
    bool isNumber = false;
    const int number = customerNumber.toInt(&isNumber);
    if (!isNumber)
        return QString();
    QFile file(flashDrivePath() + QLatin1String(kCustomerList));
    if (!file.open(QIODevice::ReadOnly)) {
        qDebug().noquote() << QStringLiteral("Unable to Open File: ") + file.fileName();
        return QString();
    }
    // The list is written without leading zeros; the number may be typed
    // with them.
    const QString wanted = QString::number(number);
    QTextStream in(&file);
    in.setCodec("UTF-8");
    while (!in.atEnd()) {
        const QStringList fields = in.readLine().split(QLatin1Char(','));
        if (fields.size() == 2 && fields.at(1) == wanted)
            return fields.at(0);
    }
    return QString();
}

bool ConfigurationManager::setConfigFromUsb(const QJsonObject &request)
{
    const auto fail = [this](const QString &reason) {
        emit eolUsbConfigFailed(failureText(reason));
        return false;
    };

    // 1. The drive and its personality files.
    bool mounted = false;
    QMetaObject::invokeMethod(parent(), "isFlashDriveMounted", Qt::DirectConnection, Q_RETURN_ARG(bool, mounted));
    if (!mounted)
        return fail(QStringLiteral("USB flash drive is not detected!"));
    const QString drive = flashDrivePath();
    const QString configsDir = drive + QStringLiteral("Configs/");
    const QStringList configs = QDir(configsDir).entryList(QDir::Files, QDir::Name);

    // 2. The model and its family.
    QString model = m_modelNumber;
    if (model.startsWith(QLatin1Char('X'), Qt::CaseInsensitive))
        model.remove(0, 1);
    if (model.size() < kShortestModel)
        return fail(QStringLiteral("Invalid model number!"));
    QString family = model;
    for (const int position : kFamilyPositions)
        family[position] = QLatin1Char('X');
    const bool twoDisplays = model.at(kDisplaysPosition) == QLatin1Char('2');

    // 3. The customer.
    if (!request.contains(QStringLiteral("customer")))
        return fail(QStringLiteral("Customer info missing!"));
    const QString customer = getConfigCustomerName(request.value(QStringLiteral("customer")).toVariant().toString());
    if (customer.isEmpty())
        return fail(QStringLiteral("Invalid customer number!"));

    // 4. The first pattern that finds one file per display. Names and
    // numbers are matched as written, whatever characters they hold.
    const QString modelText = QRegularExpression::escape(model);
    const QString familyText = QRegularExpression::escape(family);
    const QString customerText = QRegularExpression::escape(customer);
    const struct {
        QString pattern;
        const char *found;
    } searches[] = {
        {kPrefix + modelText + QLatin1Char('_') + customerText, "Literal custom files found!!!!!!!!"},
        {kPrefix + modelText + QStringLiteral("_GM"), "Literal GM files found!!!!!!!!!!"},
        {kPrefix + familyText + QLatin1Char('_') + customerText, "Custom files found!!!!!!!!"},
        {kPrefix + familyText + QStringLiteral("_GM"), "GM files found!!!!!!!!!!"},
    };
    const int wanted = twoDisplays ? 2 : 1;
    QStringList files;
    for (const auto &search : searches) {
        const QStringList matching = configs.filter(QRegularExpression(search.pattern));
        if (matching.size() == wanted) {
            qDebug().noquote() << search.found << matching;
            files = matching;
            break;
        }
    }
    if (files.isEmpty())
        return fail(QStringLiteral("Configuration file missing!"));

    // 5. Whose file is whose.
    QString ownFile;
    QString mirrorFile;
    if (twoDisplays) {
        for (const QString &file : qAsConst(files)) {
            if (file.contains(QLatin1String("PRIMARY")))
                ownFile = file;
            else if (file.contains(QLatin1String("MIRROR")))
                mirrorFile = file;
        }
        qDebug().noquote() << "Primary CFG File =" << ownFile;
        qDebug().noquote() << "Mirror CFG File =" << mirrorFile;
    } else {
        ownFile = files.first();
        qDebug().noquote() << "Single CFG File =" << ownFile;
    }

    // 6. This display's file becomes its only personality file; until it
    // is complete the old ones stay.
    QString error;
    if (ownFile.isEmpty() || !PersonalityFiles::install(configsDir + ownFile, ownFile, &error)) {
        qDebug().noquote() << "Copy is failed!" << configsDir + ownFile << KivRoot::appFile(ownFile) << error;
        return fail(QStringLiteral("Configuration file copy failed!"));
    }

    // 7. The other display's file.
    if (twoDisplays) {
        becomePrimaryDisplay();
        if (mirrorFile.isEmpty())
            qWarning().noquote() << "No mirror file among" << files << "- nothing sent to the other display";
        else
            sendPersonalityToOtherDisplay(configsDir + mirrorFile);
    }

    // 8.
    ToolRunner::startDetached(QStringLiteral("/bin/sync"), {});

    // 9. The customer's menu, for the next menu import.
    if (!request.contains(QStringLiteral("menu")))
        return fail(QStringLiteral("Menu info is missing!"));
    const QString menuPrefix = request.value(QStringLiteral("menu")).toVariant().toString();
    const QString menusDir = drive + QStringLiteral("Menus/");
    QString menu;
    const QStringList menus = QDir(menusDir).entryList(QDir::Files, QDir::Name);
    for (const QString &candidate : menus) {
        if (candidate.startsWith(menuPrefix)) {
            menu = candidate;
            break;
        }
    }
    if (menu.isEmpty())
        return fail(QStringLiteral("Menu file is missing!"));
    const QString dropDir = KivRoot::appFile(QStringLiteral("updates/menu/"));
    QByteArray menuBytes;
    QDir().mkpath(dropDir);
    if (BoundedFile::read(menusDir + menu, BoundedFile::LargeFileLimit, &menuBytes) != BoundedFile::Read
        || DurableFile::replace(dropDir + menu, menuBytes, &error) != DurableFile::Replaced) {
        qDebug().noquote() << "Copy is failed!" << menusDir + menu << dropDir + menu << error;
        return fail(QStringLiteral("Menu file copy failed!"));
    }

    // 10.
    emit eolUsbConfigComplete(QStringLiteral("<b>Unit configuration successful:</b>")
                              + QStringLiteral("<br><br><b>Model#:</b> ") + m_modelNumber
                              + QStringLiteral("<br><b>SN:</b> ") + m_serialNumber
                              + QStringLiteral("<br><b>Customer:</b> ") + customer
                              + QStringLiteral("<br><b>File Name:</b> ") + ownFile
                              + QStringLiteral("<br><br><b>Reboot the unit</b>"));
    return true;
}
