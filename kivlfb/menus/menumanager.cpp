#include "menumanager.h"

#include "menudocument.h"
#include "timercolorsdata.h"

#include "platform/boundedfile.h"
#include "platform/durablefile.h"
#include "platform/kivclock.h"
#include "platform/kivroot.h"
#include "ui/translator.h"

#include <QCryptographicHash>
#include <QDebug>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QQmlContext>
#include <QSet>

#include <algorithm>

// The default menu and list are compiled into the controller's library;
// a static library's resources are registered by hand.
static void initMenuResources()
{
    static const bool registered = [] {
        Q_INIT_RESOURCE(menudefaults);
        return true;
    }();
    Q_UNUSED(registered)
}

namespace {

const QString menuFileName = QStringLiteral("menu.json");
const QString legacyFileName = QStringLiteral("productsList.txt");
const QString defaultMenu = QStringLiteral(":/defaultMenu.json");
const QString defaultLegacyList = QStringLiteral(":/productsDefaultList.txt");
constexpr int menuFileTransferId = 11;

// What an edit row carries of a live row, in both directions. The
// abbreviations and the image are not edited, so they are not copied.
const int editRoles[] = {
    MenuRoles::Id, MenuRoles::GroupId, MenuRoles::Name, MenuRoles::HoldTime, MenuRoles::WarningTime,
    MenuRoles::LowerTemp, MenuRoles::UpperTemp, MenuRoles::LidType, MenuRoles::BottomType,
    MenuRoles::PanSize, MenuRoles::PanSizeX, MenuRoles::ProductList, MenuRoles::Default,
    MenuRoles::TargetFanSpeed, MenuRoles::ResetTime, MenuRoles::NamesList, MenuRoles::TimerColor,
    MenuRoles::ProductLocked,
};

// Ids of groups made on the display lie above 2^30, out of the way of the
// product ids, which are counted up from 1.
constexpr int firstNewGroupId = (1 << 30) + 1;
const QString iotTypeRiot = QStringLiteral("DEZ_RIOT");
constexpr int menuUpdatedByEditor = 1;

// The entry of a names list for a language id; the translator answers -1
// until its first language is set, and a list may be shorter than the
// table, so an id without an entry takes the given name instead.
QString nameIn(const QStringList &names, int languageId, const QString &otherwise)
{
    return languageId >= 0 && languageId < names.size() ? names.at(languageId) : otherwise;
}

bool isGroupId(const QVariant &groupId)
{
    return groupId.toInt() >= 1;
}

QStandardItem *copyOf(const QModelIndex &row, bool withNames)
{
    auto *item = new QStandardItem;
    for (int role : editRoles) {
        if (withNames || role != MenuRoles::NamesList)
            item->setData(row.data(role), role);
    }
    return item;
}


// Timer colours: nine hue families (red, orange, yellow, green, cyan, blue,
// purple, magenta, grey), dark to light; light grey text on the dark
// backgrounds. Entry 0, almost white, is "no timer colour".
const char *const timerColorTable[81][2] = {
    {"#fffffd", "#fffffd"}, {"#000000", "#700000"}, {"#000000", "#a00000"}, {"#000000", "#cf0000"},
    {"#000000", "#ff0000"}, {"#000000", "#ff3030"}, {"#000000", "#ff6060"}, {"#000000", "#ff9090"},
    {"#000000", "#ffc0c0"},
    {"#a0a0a0", "#402100"}, {"#000000", "#703a00"}, {"#000000", "#a05000"}, {"#000000", "#cf6800"},
    {"#000000", "#ff8000"}, {"#000000", "#ff9830"}, {"#000000", "#ffb060"}, {"#000000", "#ffc890"},
    {"#000000", "#ffdfc0"},
    {"#a0a0a0", "#404000"}, {"#000000", "#707000"}, {"#000000", "#a0a000"}, {"#000000", "#cfcf00"},
    {"#000000", "#ffff00"}, {"#000000", "#ffff30"}, {"#000000", "#ffff60"}, {"#000000", "#ffff90"},
    {"#000000", "#ffffc0"},
    {"#a0a0a0", "#004000"}, {"#000000", "#007000"}, {"#000000", "#00a000"}, {"#000000", "#00cf00"},
    {"#000000", "#00ff00"}, {"#000000", "#30ff30"}, {"#000000", "#60ff60"}, {"#000000", "#90ff90"},
    {"#000000", "#c0ffc0"},
    {"#a0a0a0", "#004040"}, {"#000000", "#007070"}, {"#000000", "#00a0a0"}, {"#000000", "#00cfcf"},
    {"#000000", "#00ffff"}, {"#000000", "#30ffff"}, {"#000000", "#60ffff"}, {"#000000", "#90ffff"},
    {"#000000", "#c0ffff"},
    {"#a0a0a0", "#000040"}, {"#a0a0a0", "#000070"}, {"#a0a0a0", "#0000a0"}, {"#a0a0a0", "#0000cf"},
    {"#a0a0a0", "#0000ff"}, {"#a0a0a0", "#3030ff"}, {"#000000", "#6060ff"}, {"#000000", "#9090ff"},
    {"#000000", "#c0c0ff"},
    {"#a0a0a0", "#200040"}, {"#a0a0a0", "#380070"}, {"#a0a0a0", "#5000a0"}, {"#000000", "#6800cf"},
    {"#000000", "#8000ff"}, {"#000000", "#9830ff"}, {"#000000", "#b060ff"}, {"#000000", "#c890ff"},
    {"#000000", "#f4c0ff"},
    {"#a0a0a0", "#400040"}, {"#a0a0a0", "#700070"}, {"#a0a0a0", "#a000a0"}, {"#000000", "#cf00cf"},
    {"#000000", "#ff00ff"}, {"#000000", "#ff30ff"}, {"#000000", "#ff60ff"}, {"#000000", "#ff90ff"},
    {"#000000", "#ffc0ff"},
    {"#a0a0a0", "#000000"}, {"#a0a0a0", "#202020"}, {"#a0a0a0", "#404040"}, {"#000000", "#606060"},
    {"#000000", "#808080"}, {"#000000", "#a0a0a0"}, {"#000000", "#c0c0c0"}, {"#000000", "#dfdfdf"},
    {"#000000", "#ffffff"},
};

// Lower-case hexadecimal without prefix or leading zeros; a negative value
// as "-" and the hexadecimal of its magnitude.
QString hex(qint64 value)
{
    const quint64 magnitude = value < 0 ? 0 - quint64(value) : quint64(value);
    return (value < 0 ? QStringLiteral("-") : QString()) + QString::number(magnitude, 16);
}

} // namespace

MenuManager::MenuManager(QObject *parent)
    : TarnStateMachine(parent)
{
    initMenuResources();
    setObjectName(QStringLiteral("menuManager"));

    const QHash<int, QByteArray> roles = MenuRoles::roleNames();
    m_productsModel = new RoleItemModel(roles, this);
    m_productsEditModel = new RoleItemModel(roles, this);
    m_groupsEditModel = new RoleItemModel(roles, this);
    m_dayPartsEditModel = new RoleItemModel(roles, this);

    connect(this, &MenuManager::reloadProductsFile, this, &MenuManager::menuLoadJsonDocFile);

    for (const auto &colors : timerColorTable) {
        m_timerColors << new TimerColorsData(QString::fromLatin1(colors[0]), QString::fromLatin1(colors[1]), this);
    }

    m_menuWriter = new SafeFileWriter(KivRoot::appFile(menuFileName), this);
    connect(m_menuWriter, &SafeFileWriter::saveFinished, this, &MenuManager::writeMenuFileWrapUp);
}

void MenuManager::publishTo(QQmlContext *context)
{
    context->setContextProperty(QStringLiteral("menuManager"), this);
    context->setContextProperty(QStringLiteral("productsModel"), m_productsModel);
    context->setContextProperty(QStringLiteral("productsEditModel"), m_productsEditModel);
    context->setContextProperty(QStringLiteral("groupsEditModel"), m_groupsEditModel);
    context->setContextProperty(QStringLiteral("dayPartsEditModel"), m_dayPartsEditModel);
    context->setContextProperty(QStringLiteral("timerColorsDataList"), QVariant::fromValue(m_timerColors));
}

// ---- menu file ----

void MenuManager::menuLoadJsonDocFile()
{
    const QString menuPath = KivRoot::appFile(menuFileName);
    const QString legacyPath = KivRoot::appFile(legacyFileName);
    const bool menuExists = QFileInfo::exists(menuPath);

    if (QFileInfo::exists(legacyPath)) {
        if (menuExists) {
            QFile::remove(legacyPath);
        } else {
            // The older list is removed only once its conversion is safely
            // on disk (see the save's wrap-up).
            if (loadProductsMenu())
                saveProductsMenuJson();
            return;
        }
    }

    QString fileName = menuPath;
    if (!menuExists || QFileInfo(menuPath).size() == 0) {
        if (menuExists)
            qDebug().noquote() << "menu.json file size is 0???... using default file.";
        else if (QFileInfo::exists(menuPath + QStringLiteral(".New")))
            qDebug().noquote() << "Application closed in the middle of menu file save process";
        else
            qDebug().noquote() << "menu.json doesn't exist, using default file.";
        fileName = defaultMenu;
        qDebug().noquote() << "Loading default menu - " + fileName;
    }

    QString error;
    if (loadMenuFile(fileName, &error))
        return;
    // With no menu to keep (at start-up) an unusable file counts as a
    // missing one; it stays as it is for service to look at.
    if (fileName != defaultMenu && m_productsModel->rowCount() == 0) {
        qWarning().noquote() << "Menu file" << fileName << "is damaged (" + error
                                    + "); left as it is, loading the default menu";
        loadMenuFile(defaultMenu, &error);
        return;
    }
    qWarning().noquote() << "Menu file" << fileName << "not loaded, keeping the current menu:" << error;
}

bool MenuManager::loadMenuFile(const QString &fileName, QString *error)
{
    QByteArray bytes;
    switch (BoundedFile::read(fileName, BoundedFile::LargeFileLimit, &bytes)) {
    case BoundedFile::Missing:
    case BoundedFile::Unreadable:
        qDebug().noquote() << "Unable to Open File: " + fileName;
        *error = QStringLiteral("cannot be opened");
        return false;
    case BoundedFile::TooLarge:
        *error = QStringLiteral("too large");
        return false;
    case BoundedFile::Read:
        break;
    }
    QList<MenuFile::Row> rows;
    if (!MenuFile::parseMenuJson(bytes, cabinetContext(), &rows, error))
        return false;
    replaceProducts(rows);
    return true;
}

bool MenuManager::loadProductsMenu()
{
    m_productsModel->removeRows(0, m_productsModel->rowCount());

    const QString legacyPath = KivRoot::appFile(legacyFileName);
    QString fileName = legacyPath;
    const QFileInfo info(legacyPath);
    if (!info.exists() || info.size() == 0) {
        if (info.exists())
            qDebug().noquote() << "productsList.txt file size is 0???... using default file.";
        else
            qDebug().noquote() << "productsList.txt doesn't exist, using default file.";
        fileName = defaultLegacyList;
    }
    QByteArray bytes;
    const BoundedFile::Result read = BoundedFile::read(fileName, BoundedFile::LargeFileLimit, &bytes);
    if (read != BoundedFile::Read) {
        if (read != BoundedFile::TooLarge)
            qDebug().noquote() << "Unable to Open File: " + fileName + " No products list available";
        return false;
    }
    m_productsModel->setHorizontalHeaderLabels(MenuFile::legacyColumnTitles());
    replaceProducts(MenuFile::parseLegacyList(bytes, cabinetContext()));
    return true;
}

QByteArray MenuManager::menuDataModelToJson() const
{
    return MenuFile::toJson(productRows());
}

void MenuManager::saveProductsMenuJson()
{
    qDebug().noquote() << "Saving menu json file.";
    m_menuWriter->save(menuDataModelToJson());
}

void MenuManager::writeMenuFileWrapUp(SafeFileWriter::Result result)
{
    if (result == SafeFileWriter::OpenFailed)
        qDebug().noquote() << "Unable to Open File for saving!!!";
    if (result != SafeFileWriter::Saved)
        return;

    // "menu.json" is now good: an older list still lying beside it has
    // been converted into it.
    const QString legacyPath = KivRoot::appFile(legacyFileName);
    if (QFileInfo::exists(legacyPath))
        QFile::remove(legacyPath);

    QObject *cabinet = parent();
    const bool sent = cabinet
        && QMetaObject::invokeMethod(cabinet, "sendFileViaCanbus", Qt::DirectConnection,
                                     Q_ARG(int, menuFileTransferId))
        && QMetaObject::invokeMethod(cabinet, "sendMcUpdateProducts", Qt::DirectConnection);
    if (!sent)
        qWarning().noquote() << "menu.json saved, but there is no cabinet to send it to the other displays";
}

// ---- products ----

QVariant MenuManager::productValue(int row, int role) const
{
    return m_productsModel->data(m_productsModel->index(row, 0), role);
}

int MenuManager::getRowCount() const
{
    return m_productsModel->rowCount();
}

int MenuManager::getProductIndex(int id) const
{
    return qMax(findRowById(m_productsModel, id), 0);
}

QVariant MenuManager::getProductGroupPList(int groupId) const
{
    return productValue(getProductIndex(groupId), MenuRoles::ProductList);
}

QVariant MenuManager::getProductGroupsDefault(int id) const
{
    return productValue(getProductIndex(id), MenuRoles::Default);
}

QVariant MenuManager::getProductName(int prodId) const
{
    return getProductName(currentLanguage(), prodId);
}

QVariant MenuManager::getProductName(int languageId, int prodId) const
{
    const int row = getProductIndex(prodId);
    return nameIn(productValue(row, MenuRoles::NamesList).toStringList(), languageId,
                  productValue(row, MenuRoles::Name).toString());
}

QVariant MenuManager::getProductTimerForeColor(const QString &value) const
{
    for (QObject *object : m_timerColors) {
        const auto *colors = static_cast<TimerColorsData *>(object);
        if (colors->getBackColor() == value)
            return colors->getForeColor();
    }
    return QString();
}

QByteArray MenuManager::productDigestInput(int id) const
{
    const int row = getProductIndex(id);
    const QString text = hex(id) + getProductName(id).toString()
        + hex(productValue(row, MenuRoles::HoldTime).toLongLong())
        + hex(productValue(row, MenuRoles::PanSize).toLongLong());
    return text.toLatin1();
}

QByteArray MenuManager::getProductMd5(int id) const
{
    const QByteArray md5 = QCryptographicHash::hash(productDigestInput(id), QCryptographicHash::Md5);
    qDebug().noquote() << QStringLiteral("Product specific md5 for id %1 = %2").arg(id).arg(QString::fromLatin1(md5.toHex()));
    return md5;
}

quint32 MenuManager::getProductCrc32(int id) const
{
    return m_crc32.calculateFromByteArray(productDigestInput(id));
}

// ---- edit models ----

QVariant MenuManager::editValue(const RoleItemModel *model, int row, int role, const QVariant &fallback)
{
    if (row < 0 || row >= model->rowCount())
        return fallback;
    return model->data(model->index(row, 0), role);
}

int MenuManager::findRowById(const RoleItemModel *model, int id)
{
    for (int row = 0; row < model->rowCount(); ++row) {
        if (model->data(model->index(row, 0), MenuRoles::Id).toInt() == id)
            return row;
    }
    return -1;
}

QVariant MenuManager::memberList(const RoleItemModel *model, int row)
{
    row = qMax(row, 0);
    if (row >= model->rowCount())
        return QStringList();
    return model->data(model->index(row, 0), MenuRoles::ProductList);
}

int MenuManager::getProductEditRowCount() const
{
    return m_productsEditModel->rowCount();
}

int MenuManager::getGroupEditRowCount() const
{
    return m_groupsEditModel->rowCount();
}

void MenuManager::sortProductEditModel()
{
    m_productsEditModel->setSortRole(MenuRoles::Name);
    m_productsEditModel->sort(0, Qt::AscendingOrder);
}

void MenuManager::sortGroupEditModel()
{
    m_groupsEditModel->setSortRole(MenuRoles::Name);
    m_groupsEditModel->sort(0, Qt::AscendingOrder);
}

int MenuManager::getProductEditIndex(int id) const
{
    return qMax(findRowById(m_productsEditModel, id), 0);
}

int MenuManager::getGroupEditIndex(int id) const
{
    return qMax(findRowById(m_groupsEditModel, id), 0);
}

int MenuManager::getGroupEditProductIndex(int id) const
{
    return qMax(findRowById(m_productsEditModel, id), 0);
}

bool MenuManager::groupEditIsEmptyGroup(int index) const
{
    return memberList(m_groupsEditModel, index).toStringList().isEmpty();
}

void MenuManager::groupEditSetDefaultProd(int gid, int prodIndex)
{
    if (m_groupsEditModel->rowCount() == 0)
        return;
    const QModelIndex index = m_groupsEditModel->index(getGroupEditIndex(gid), 0);
    const int members = index.data(MenuRoles::ProductList).toStringList().size();
    m_groupsEditModel->setData(index, prodIndex >= 0 && prodIndex < members ? prodIndex : 0, MenuRoles::Default);
}

void MenuManager::deleteGroupFromEdit(int row)
{
    m_groupsEditModel->removeRow(row);
}

bool MenuManager::groupSettingsMatch(const QModelIndex &group, int lowerTemp, int upperTemp,
                                     const QString &lidType, const QString &panSizeX, int fanSpeed)
{
    return group.data(MenuRoles::LowerTemp).toInt() == lowerTemp
        && group.data(MenuRoles::UpperTemp).toInt() == upperTemp
        && group.data(MenuRoles::LidType).toString() == lidType
        && group.data(MenuRoles::PanSizeX).toString() == panSizeX
        && group.data(MenuRoles::TargetFanSpeed).toInt() == fanSpeed;
}

bool MenuManager::checkProductInGroups(int pid, int lowerTemp, int upperTemp, const QString &lidType,
                                       const QString &panSizeX, int fanSpeed) const
{
    if (pid == 0)
        return false;
    for (int row = 0; row < m_groupsEditModel->rowCount(); ++row) {
        const QModelIndex group = m_groupsEditModel->index(row, 0);
        const QStringList members = group.data(MenuRoles::ProductList).toStringList();
        for (const QString &member : members) {
            if (member.toInt() == pid && !groupSettingsMatch(group, lowerTemp, upperTemp, lidType, panSizeX, fanSpeed))
                return true;
        }
    }
    return false;
}

QVariant MenuManager::dayPartEditValue(int id, int role, const QVariant &forProductZero,
                                       const QVariant &whenMissing) const
{
    if (id == 0)
        return forProductZero;
    const int row = findRowById(m_dayPartsEditModel, id);
    if (row < 0)
        return whenMissing;
    return m_dayPartsEditModel->data(m_dayPartsEditModel->index(row, 0), role);
}

QVariant MenuManager::dayPartEditGetName(int id) const
{
    return dayPartEditValue(id, MenuRoles::Name, QString(), QString());
}

QVariant MenuManager::dayPartEditGetPanSize(int id) const
{
    return dayPartEditValue(id, MenuRoles::PanSize, 1, 0);
}

QVariant MenuManager::dayPartEditGetPanSizeX(int id) const
{
    return dayPartEditValue(id, MenuRoles::PanSizeX, QString(), QString());
}

QVariant MenuManager::dayPartEditGetFanSpeed(int id) const
{
    return dayPartEditValue(id, MenuRoles::TargetFanSpeed, -1, 0);
}

QVariant MenuManager::dayPartEditGetLowerTemp(int id) const
{
    return dayPartEditValue(id, MenuRoles::LowerTemp, 0, 0);
}

QVariant MenuManager::dayPartEditGetUpperTemp(int id) const
{
    return dayPartEditValue(id, MenuRoles::UpperTemp, 0, 0);
}

void MenuManager::processChangedItem(QStandardItem *item)
{
    Q_UNUSED(item)
}

// ---- edit copies ----

void MenuManager::initializeEditDataModels()
{
    m_productsEditModel->removeRows(0, m_productsEditModel->rowCount());
    m_groupsEditModel->removeRows(0, m_groupsEditModel->rowCount());

    const int language = currentLanguage();
    QList<QStandardItem *> products;
    QList<QStandardItem *> groups;
    for (int r = 0; r < m_productsModel->rowCount(); ++r) {
        const QModelIndex row = m_productsModel->index(r, 0);
        if (row.data(MenuRoles::Id).toInt() == 0)
            continue;
        QStandardItem *item = copyOf(row, true);
        item->setData(nameIn(row.data(MenuRoles::NamesList).toStringList(), language,
                             row.data(MenuRoles::Name).toString()),
                      MenuRoles::Name);
        (isGroupId(row.data(MenuRoles::GroupId)) ? groups : products) << item;
    }
    m_productsEditModel->invisibleRootItem()->appendRows(products);
    m_groupsEditModel->invisibleRootItem()->appendRows(groups);
}

void MenuManager::initializeDayPartEditModel()
{
    m_dayPartsEditModel->removeRows(0, m_dayPartsEditModel->rowCount());
    QList<QStandardItem *> rows;
    for (const RoleItemModel *model : {m_productsEditModel, m_groupsEditModel}) {
        for (int r = 0; r < model->rowCount(); ++r) {
            const QModelIndex row = model->index(r, 0);
            if (row.data(MenuRoles::Id).toInt() != 0)
                rows << copyOf(row, false);
        }
    }
    m_dayPartsEditModel->invisibleRootItem()->appendRows(rows);
    m_dayPartsEditModel->setSortRole(MenuRoles::Name);
    m_dayPartsEditModel->sort(0, Qt::AscendingOrder);
}

int MenuManager::saveProductEdit(int pid, const QVariant &name, int holdTime, int warningTime, int lowerTemp,
                                 int upperTemp, int resetTime, const QString &lidType,
                                 const QString &bottomType, const QString &panSizeX, int fanSpeed,
                                 const QVariant &timerColor)
{
    const int row = pid != 0 ? findRowById(m_productsEditModel, pid) : -1;
    if (pid != 0 && row < 0) {
        qWarning().noquote() << QStringLiteral("Menu edit: no product with id %1 to save; nothing changed").arg(pid);
        return 0;
    }
    const int id = pid != 0 ? pid : lowestFreeEditId(1);

    const QStringList names = name.toStringList();
    auto *item = new QStandardItem;
    item->setData(id, MenuRoles::Id);
    item->setData(0, MenuRoles::GroupId);
    item->setData(nameIn(names, currentLanguage(), names.value(0)), MenuRoles::Name);
    item->setData(names, MenuRoles::NamesList);
    item->setData(QString::number(holdTime), MenuRoles::HoldTime);
    item->setData(QString::number(warningTime), MenuRoles::WarningTime);
    item->setData(QString::number(lowerTemp), MenuRoles::LowerTemp);
    item->setData(QString::number(upperTemp), MenuRoles::UpperTemp);
    item->setData(QString::number(resetTime), MenuRoles::ResetTime);
    item->setData(lidType, MenuRoles::LidType);
    item->setData(bottomType, MenuRoles::BottomType);
    item->setData(panSizeX, MenuRoles::PanSizeX);
    item->setData(convertPanFractionToPanSize(panSizeX), MenuRoles::PanSize);
    item->setData(timerColor.toString(), MenuRoles::TimerColor);
    item->setData(fanSpeed, MenuRoles::TargetFanSpeed);
    item->setData(false, MenuRoles::ProductLocked);
    item->setData(QStringList(), MenuRoles::ProductList);
    item->setData(-1, MenuRoles::Default);

    if (pid == 0) {
        // A new product belongs to no group.
        m_productsEditModel->appendRow(item);
        return id;
    }
    m_productsEditModel->setItem(row, 0, item);
    removeProductFromGroups(pid, lowerTemp, upperTemp, lidType, panSizeX);
    return pid;
}

void MenuManager::removeProductFromGroups(int pid, int lowerTemp, int upperTemp, const QString &lidType,
                                          const QString &panSizeX)
{
    if (pid == 0)
        return;
    const int fanSpeed = editValue(m_productsEditModel, findRowById(m_productsEditModel, pid),
                                   MenuRoles::TargetFanSpeed, 0).toInt();
    for (int r = 0; r < m_groupsEditModel->rowCount(); ++r) {
        const QModelIndex group = m_groupsEditModel->index(r, 0);
        if (groupSettingsMatch(group, lowerTemp, upperTemp, lidType, panSizeX, fanSpeed))
            continue;
        const QStringList members = group.data(MenuRoles::ProductList).toStringList();
        for (int i = 0; i < members.size(); ++i) {
            if (members.at(i).toInt() == pid) {
                removeGroupMember(group, i);
                break;
            }
        }
    }
}

void MenuManager::deleteProductFromEdit(int row)
{
    if (row < 0 || row >= m_productsEditModel->rowCount()) {
        qWarning().noquote() << QStringLiteral("Menu edit: no product row %1 to delete; nothing changed").arg(row);
        return;
    }
    // No group has these settings, so the product leaves every group.
    removeProductFromGroups(getProductEditId(row).toInt(), 0, 0, QString(), QString());
    m_productsEditModel->removeRow(row);
}

int MenuManager::addNewEditGroup()
{
    const int id = lowestFreeEditId(firstNewGroupId);
    auto *item = new QStandardItem;
    item->setData(id, MenuRoles::Id);
    item->setData(id, MenuRoles::GroupId);
    item->setData(QString(), MenuRoles::Name);
    for (int role : {MenuRoles::HoldTime, MenuRoles::WarningTime, MenuRoles::LowerTemp, MenuRoles::UpperTemp,
                     MenuRoles::TargetFanSpeed})
        item->setData(0, role);
    for (int role : {MenuRoles::LidType, MenuRoles::BottomType, MenuRoles::PanSize, MenuRoles::PanSizeX})
        item->setData(QString(), role);
    item->setData(QStringList(), MenuRoles::ProductList);
    // No default until the first member arrives.
    item->setData(-1, MenuRoles::Default);
    QStringList names;
    for (int i = 0; i < Translator::numberOfLanguages; ++i)
        names << QString();
    item->setData(names, MenuRoles::NamesList);
    m_groupsEditModel->appendRow(item);
    return id;
}

void MenuManager::groupEditAddProduct(int gid, int row)
{
    const int groupRow = editGroupRow(gid, "add a product to");
    if (groupRow < 0)
        return;
    if (row < 0 || row >= m_productsEditModel->rowCount()) {
        qWarning().noquote() << QStringLiteral("Menu edit: no product row %1 to add to group %2; nothing changed")
                                    .arg(row)
                                    .arg(gid);
        return;
    }
    const QModelIndex group = m_groupsEditModel->index(groupRow, 0);
    const QModelIndex product = m_productsEditModel->index(row, 0);
    const int pid = product.data(MenuRoles::Id).toInt();
    QStringList members = group.data(MenuRoles::ProductList).toStringList();
    for (const QString &member : qAsConst(members)) {
        if (member.toInt() == pid)
            return;
    }

    int defaultIndex = group.data(MenuRoles::Default).toInt();
    if (members.isEmpty()) {
        // The first member gives the group its settings.
        for (int role : {MenuRoles::LowerTemp, MenuRoles::UpperTemp, MenuRoles::LidType, MenuRoles::PanSize,
                         MenuRoles::PanSizeX, MenuRoles::TargetFanSpeed})
            m_groupsEditModel->setData(group, product.data(role), role);
        defaultIndex = 0;
    } else if (defaultIndex < 0 || defaultIndex >= members.size()) {
        // A default outside the list (an imported group can carry one)
        // stands for the first member, as the tray bar reads it.
        defaultIndex = 0;
    }
    members << QString::number(pid);
    const QString defaultMember = members.at(defaultIndex);

    // By name, exactly as compared; members of equal names keep their order.
    QList<QPair<QString, QString>> byName;
    for (const QString &member : qAsConst(members))
        byName << qMakePair(getProductEditName(getProductEditIndex(member.toInt())).toString(), member);
    std::stable_sort(byName.begin(), byName.end(),
                     [](const QPair<QString, QString> &a, const QPair<QString, QString> &b) {
                         return a.first < b.first;
                     });
    members.clear();
    for (const auto &entry : qAsConst(byName))
        members << entry.second;

    m_groupsEditModel->setData(group, members.indexOf(defaultMember), MenuRoles::Default);
    m_groupsEditModel->setData(group, members, MenuRoles::ProductList);
}

void MenuManager::groupEditRemoveProduct(int gid, int index)
{
    const int groupRow = editGroupRow(gid, "remove a product from");
    if (groupRow < 0)
        return;
    const QModelIndex group = m_groupsEditModel->index(groupRow, 0);
    // The group form passes its list's current row, -1 when none is chosen.
    if (index < 0 || index >= group.data(MenuRoles::ProductList).toStringList().size())
        return;
    removeGroupMember(group, index);
}

void MenuManager::removeGroupMember(const QModelIndex &group, int index)
{
    QStringList members = group.data(MenuRoles::ProductList).toStringList();
    members.removeAt(index);
    // The default keeps naming the same product; when that product leaves,
    // the first member takes over.
    int defaultIndex = group.data(MenuRoles::Default).toInt();
    if (index < defaultIndex)
        --defaultIndex;
    else if (index == defaultIndex)
        defaultIndex = 0;
    if (defaultIndex >= members.size())
        defaultIndex = 0;
    m_groupsEditModel->setData(group, defaultIndex, MenuRoles::Default);
    m_groupsEditModel->setData(group, members, MenuRoles::ProductList);
}

void MenuManager::saveGroupEdit(int gid, const QVariant &name, int defaultIndex)
{
    const int groupRow = editGroupRow(gid, "save");
    if (groupRow < 0)
        return;
    const QModelIndex group = m_groupsEditModel->index(groupRow, 0);
    const QStringList names = name.toStringList();
    m_groupsEditModel->setData(group, nameIn(names, currentLanguage(), names.value(0)), MenuRoles::Name);
    m_groupsEditModel->setData(group, names, MenuRoles::NamesList);
    m_groupsEditModel->setData(group, defaultIndex, MenuRoles::Default);
}

void MenuManager::saveEditModel()
{
    // Row 0 is the empty product, which the copies leave out. A menu
    // without it keeps no row: its row 0 is a product of the copies too.
    const bool keepsEmptyProduct = m_productsModel->rowCount() > 0 && getProductId(0).toInt() == 0;
    const int kept = keepsEmptyProduct ? 1 : 0;
    m_productsModel->removeRows(kept, m_productsModel->rowCount() - kept);

    QList<QStandardItem *> rows;
    for (const RoleItemModel *model : {m_productsEditModel, m_groupsEditModel}) {
        for (int r = 0; r < model->rowCount(); ++r)
            rows << copyOf(model->index(r, 0), true);
    }
    m_productsModel->invisibleRootItem()->appendRows(rows);
    saveProductsMenuJson();

    // The RIOT back-end learns of menu changes its own way.
    QString iotType;
    if (const QObject *cabinet = parent()) {
        if (const QObject *config = cabinet->property("configManager").value<QObject *>())
            iotType = config->property("iotType").toString();
    }
    if (iotType != iotTypeRiot)
        emit notifyMenuUpdated(QString::number(KivClock::secsSinceEpoch()), menuUpdatedByEditor, true);
}

int MenuManager::editGroupRow(int gid, const char *operation) const
{
    const int row = findRowById(m_groupsEditModel, gid);
    if (row < 0) {
        qWarning().noquote() << QStringLiteral("Menu edit: no group with id %1 to %2; nothing changed")
                                    .arg(gid)
                                    .arg(QLatin1String(operation));
    }
    return row;
}

int MenuManager::lowestFreeEditId(int from) const
{
    QSet<int> taken;
    for (const RoleItemModel *model : {m_productsEditModel, m_groupsEditModel}) {
        for (int r = 0; r < model->rowCount(); ++r)
            taken.insert(model->data(model->index(r, 0), MenuRoles::Id).toInt());
    }
    int id = from;
    while (taken.contains(id))
        ++id;
    return id;
}

// ---- pan size and names ----

QString MenuManager::convertPanSizeToPanFraction(int panSize) const
{
    return MenuFile::panSizeToFraction(panSize, cabinetContext().traysPerZone);
}

int MenuManager::convertPanFractionToPanSize(const QString &panSizeX) const
{
    return MenuFile::panFractionToPanSize(panSizeX, cabinetContext().traysPerZone);
}

QStringList MenuManager::readNameTranslationsFromJson(const QJsonObject &nameObj) const
{
    return MenuFile::namesFromJson(nameObj);
}

QJsonObject MenuManager::setNameListToJson(const QStringList &nameList) const
{
    return MenuFile::namesToJson(nameList);
}

// ---- helpers ----

MenuFile::Context MenuManager::cabinetContext() const
{
    MenuFile::Context context;
    if (const QObject *cabinet = parent()) {
        context.traysPerZone = cabinet->property("traysPerZone").toInt();
        context.customerId = cabinet->property("customerId").toInt();
    }
    return context;
}

Translator *MenuManager::translator() const
{
    return parent() ? parent()->findChild<Translator *>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
}

int MenuManager::currentLanguage() const
{
    const Translator *tr = translator();
    return tr ? tr->getLanguage() : -1;
}

void MenuManager::replaceProducts(const QList<MenuFile::Row> &rows)
{
    m_productsModel->removeRows(0, m_productsModel->rowCount());
    for (const MenuFile::Row &row : rows) {
        auto *item = new QStandardItem;
        for (auto it = row.cbegin(); it != row.cend(); ++it)
            item->setData(it.value(), it.key());
        m_productsModel->appendRow(item);
    }
}

QList<MenuFile::Row> MenuManager::productRows() const
{
    const QList<int> roles = MenuRoles::roleNames().keys();
    QList<MenuFile::Row> rows;
    for (int r = 0; r < m_productsModel->rowCount(); ++r) {
        const QModelIndex index = m_productsModel->index(r, 0);
        MenuFile::Row row;
        for (int role : roles) {
            const QVariant value = index.data(role);
            if (value.isValid())
                row.insert(role, value);
        }
        rows << row;
    }
    return rows;
}

// ---- menu import ----

void MenuManager::processTavolenProductsList(QList<Product_t> plist)
{
    QList<QStringList> records;
    QString text;
    for (const Product_t &record : qAsConst(plist)) {
        const QStringList fields = MenuFile::legacyFields(record);
        if (fields.isEmpty())
            continue;
        records << fields;
        text += fields.join(QLatin1Char(',')) + QLatin1Char('\n');
    }
    qDebug().noquote() << "New products list will be: \n" + text;

    const QString path = KivRoot::appFile(legacyFileName);
    if (QFileInfo::exists(path)) {
        int n = 1;
        while (QFileInfo::exists(path + QStringLiteral("_%1").arg(n)))
            ++n;
        const QString backup = path + QStringLiteral("_%1").arg(n);
        qDebug().noquote() << "Renaming " + path + " as " + backup;
        QFile::rename(path, backup);
    }

    // The list is read back as the older list's rules read it, but straight
    // from its fields: a name holding "," or a line break cannot shift or
    // split a record.
    QString error;
    switch (DurableFile::replace(path, text.toUtf8(), &error)) {
    case DurableFile::Replaced:
        break;
    case DurableFile::OpenFailed:
        qDebug().noquote() << "Unable to Open File !!! " + path;
        return;
    default:
        qWarning().noquote() << "Unable to write " + path + " (" + error + "); the menu is not changed";
        return;
    }
    m_productsModel->setHorizontalHeaderLabels(MenuFile::legacyColumnTitles());
    replaceProducts(MenuFile::rowsFromLegacyFields(records, cabinetContext()));
    saveProductsMenuJson();
}

void MenuManager::processTavolenJsonProducts(QString mcMenuDoc)
{
    const QJsonObject document = QJsonDocument::fromJson(mcMenuDoc.toUtf8()).object();
    const QJsonObject header = document.value(QLatin1String("header")).toObject();
    if (header.isEmpty())
        return;
    const QJsonValue version = header.value(QLatin1String("menuVersion"));
    qDebug().noquote() << "Menu Version = " + version.toVariant().toString();
    if (!MenuDocument::versionSupported(version))
        return;

    const Translator *tr = translator();
    replaceProducts(MenuFile::rowsFromMenuDocument(document.value(QLatin1String("menu")).toObject(),
                                                   cabinetContext(), tr ? tr->getLanguage() : -1));
    saveProductsMenuJson();
}
