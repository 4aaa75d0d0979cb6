#pragma once

#include "menufile.h"
#include "menuroles.h"
#include "roleitemmodel.h"

#include "crc/crc32.h"
#include "platform/safefilewriter.h"
#include "statemachine/tarnstatemachine.h"

#include <QJsonObject>
#include <QList>
#include <QStringList>
#include <QVariant>

class QQmlContext;
class QStandardItem;
class Translator;

// The cabinet's menu: products and product groups with their holding times,
// temperatures, pan sizes, timer colours and names in every language, kept
// in the item models the screens bind to. Holding, pan tags and the IoT side
// read it through the query slots, by row or by product id.
//
// The parent is the cabinet core. Through it the menu reads the cabinet's
// "traysPerZone" and "customerId" properties and the IoT type of its
// "configManager", finds the Translator among its children, and after every
// completed save asks it to send the file to the other displays
// (sendFileViaCanbus(int) with transfer 11, then sendMcUpdateProducts()).
class MenuManager : public TarnStateMachine
{
    Q_OBJECT

public:
    explicit MenuManager(QObject *parent = nullptr);

    RoleItemModel *productsModel() const { return m_productsModel; }
    RoleItemModel *productsEditModel() const { return m_productsEditModel; }
    RoleItemModel *groupsEditModel() const { return m_groupsEditModel; }
    RoleItemModel *dayPartsEditModel() const { return m_dayPartsEditModel; }
    QList<QObject *> timerColorsDataList() const { return m_timerColors; }

    // Publishes the menu to the screens: "menuManager", the four models and
    // "timerColorsDataList".
    void publishTo(QQmlContext *context);

signals:
    void notifyMenuUpdated(QString timeStamp, int method, bool result);
    void reloadProductsFile();
    void sendProductsFileViaCanbus(QString filePath, int fileTxfrId);
    void productsMD5(QString value);
    void notifyCloudUpdateDone(QString timeStamp, bool result);

public slots:
    // A menu brought in by the menu import: replaces the whole menu and
    // saves it. The records of a binary menu file are also written out as
    // the older list (the earlier list kept as "productsList.txt_N"); a
    // JSON menu document's products and groups are taken as they stand.
    void processTavolenProductsList(QList<Product_t> plist);
    void processTavolenJsonProducts(QString mcMenuDoc);
    // Menu file.
    void menuLoadJsonDocFile();
    // Converts the older list into "productsModel"; false when no list
    // could be read.
    bool loadProductsMenu();
    QByteArray menuDataModelToJson() const;
    void saveProductsMenuJson();
    void writeMenuFileWrapUp(SafeFileWriter::Result result);

    // Products by row of "productsModel".
    QVariant getProductId(int row) const { return productValue(row, MenuRoles::Id); }
    QVariant getProductAbreviation(int row) const { return productValue(row, MenuRoles::Abreviation); }
    QVariant getProductAbreviation8(int row) const { return productValue(row, MenuRoles::Abreviation8); }
    QVariant getProductHoldTime(int row) const { return productValue(row, MenuRoles::HoldTime); }
    QVariant getProductWarningTime(int row) const { return productValue(row, MenuRoles::WarningTime); }
    QVariant getProductLowerTemp(int row) const { return productValue(row, MenuRoles::LowerTemp); }
    QVariant getProductUpperTemp(int row) const { return productValue(row, MenuRoles::UpperTemp); }
    QVariant getProductLidType(int row) const { return productValue(row, MenuRoles::LidType); }
    QVariant getProductLidAb(int row) const { return productValue(row, MenuRoles::LidAb); }
    QVariant getProductBottomType(int row) const { return productValue(row, MenuRoles::BottomType); }
    QVariant getProductPanSize(int row) const { return productValue(row, MenuRoles::PanSize); }
    QVariant getProductPanSizeX(int row) const { return productValue(row, MenuRoles::PanSizeX); }
    QVariant getProductResetTime(int row) const { return productValue(row, MenuRoles::ResetTime); }
    QVariant getProductGroupId(int row) const { return productValue(row, MenuRoles::GroupId); }
    int getRowCount() const;

    // Products by id.
    int getProductIndex(int id) const;
    QVariant getProductGroupPList(int groupId) const;
    QVariant getProductGroupsDefault(int id) const;
    QVariant getProductName(int prodId) const;
    QVariant getProductName(int languageId, int prodId) const;
    QVariant getProductTimerForeColor(const QString &value) const;
    QByteArray getProductMd5(int id) const;
    quint32 getProductCrc32(int id) const;

    // "productsEditModel" by row.
    QVariant getProductEditId(int row) const { return editValue(m_productsEditModel, row, MenuRoles::Id, 0); }
    QVariant getProductEditName(int row) const { return editValue(m_productsEditModel, row, MenuRoles::Name, QString()); }
    QVariant getProductEditNameList(int row) const { return editValue(m_productsEditModel, row, MenuRoles::NamesList, QString()); }
    QVariant getProductEditHoldTime(int row) const { return editValue(m_productsEditModel, row, MenuRoles::HoldTime, 0); }
    QVariant getProductEditWarningTime(int row) const { return editValue(m_productsEditModel, row, MenuRoles::WarningTime, 0); }
    QVariant getProductEditLowerTemp(int row) const { return editValue(m_productsEditModel, row, MenuRoles::LowerTemp, 0); }
    QVariant getProductEditUpperTemp(int row) const { return editValue(m_productsEditModel, row, MenuRoles::UpperTemp, 0); }
    QVariant getProductEditFanSpeed(int row) const { return editValue(m_productsEditModel, row, MenuRoles::TargetFanSpeed, 0); }
    QVariant getProductEditLidType(int row) const { return editValue(m_productsEditModel, row, MenuRoles::LidType, QString()); }
    QVariant getProductEditBottomType(int row) const { return editValue(m_productsEditModel, row, MenuRoles::BottomType, QString()); }
    QVariant getProductEditPanSize(int row) const { return editValue(m_productsEditModel, row, MenuRoles::PanSize, QString()); }
    QVariant getProductEditPanSizeX(int row) const { return editValue(m_productsEditModel, row, MenuRoles::PanSizeX, QString()); }
    QVariant getProductEditResetTime(int row) const { return editValue(m_productsEditModel, row, MenuRoles::ResetTime, 0); }
    QVariant getProductEditTimerColor(int row) const { return editValue(m_productsEditModel, row, MenuRoles::TimerColor, QString()); }
    QVariant getProductEditProductLocked(int row) const { return editValue(m_productsEditModel, row, MenuRoles::ProductLocked, false); }

    // "groupsEditModel" by row.
    QVariant getGroupEditProductGroupId(int row) const { return editValue(m_groupsEditModel, row, MenuRoles::GroupId, 0); }
    QVariant getGroupEditId(int row) const { return editValue(m_groupsEditModel, row, MenuRoles::Id, 0).toInt(); }
    QVariant getGroupEditName(int row) const { return editValue(m_groupsEditModel, row, MenuRoles::Name, QString()); }
    QVariant getGroupEditNameList(int row) const { return editValue(m_groupsEditModel, row, MenuRoles::NamesList, QString()); }
    QVariant getGroupEditLowerTemp(int row) const { return editValue(m_groupsEditModel, row, MenuRoles::LowerTemp, 0); }
    QVariant getGroupEditUpperTemp(int row) const { return editValue(m_groupsEditModel, row, MenuRoles::UpperTemp, 0); }
    QVariant getGroupEditLidType(int row) const { return editValue(m_groupsEditModel, row, MenuRoles::LidType, QString()); }
    QVariant getGroupEditPanSize(int row) const { return editValue(m_groupsEditModel, row, MenuRoles::PanSize, QString()); }
    QVariant getGroupEditPanSizeX(int row) const { return editValue(m_groupsEditModel, row, MenuRoles::PanSizeX, QString()); }
    QVariant getGroupEditFanSpeed(int row) const { return editValue(m_groupsEditModel, row, MenuRoles::TargetFanSpeed, 100); }
    QVariant getGroupEditGroupsDefault(int row) const { return editValue(m_groupsEditModel, row, MenuRoles::Default, 0); }

    // "dayPartsEditModel" by row.
    QVariant dayPartModelGetId(int row) const { return editValue(m_dayPartsEditModel, row, MenuRoles::Id, 0); }
    QVariant dayPartModelGetGroupId(int row) const { return editValue(m_dayPartsEditModel, row, MenuRoles::GroupId, 0); }
    QVariant dayPartModelGetName(int row) const { return editValue(m_dayPartsEditModel, row, MenuRoles::Name, QString()); }
    QVariant dayPartModelGetTimerColor(int row) const { return editValue(m_dayPartsEditModel, row, MenuRoles::TimerColor, QString()); }
    QVariant dayPartModelGetProductLocked(int row) const { return editValue(m_dayPartsEditModel, row, MenuRoles::ProductLocked, QString()); }
    QVariant dayPartModelGetHoldTime(int row) const { return editValue(m_dayPartsEditModel, row, MenuRoles::HoldTime, 0); }
    QVariant dayPartModelGetWarningTime(int row) const { return editValue(m_dayPartsEditModel, row, MenuRoles::WarningTime, 0); }
    QVariant dayPartModelGetLowerTemp(int row) const { return editValue(m_dayPartsEditModel, row, MenuRoles::LowerTemp, 0); }
    QVariant dayPartModelGetUpperTemp(int row) const { return editValue(m_dayPartsEditModel, row, MenuRoles::UpperTemp, 0); }
    QVariant dayPartModelGetFanSpeed(int row) const { return editValue(m_dayPartsEditModel, row, MenuRoles::TargetFanSpeed, 0); }
    QVariant dayPartModelGetResetTime(int row) const { return editValue(m_dayPartsEditModel, row, MenuRoles::ResetTime, 0); }
    QVariant dayPartModelGetLidType(int row) const { return editValue(m_dayPartsEditModel, row, MenuRoles::LidType, QString()); }
    QVariant dayPartModelGetBottomType(int row) const { return editValue(m_dayPartsEditModel, row, MenuRoles::BottomType, QString()); }
    QVariant dayPartModelGetPanSize(int row) const { return editValue(m_dayPartsEditModel, row, MenuRoles::PanSize, 0); }
    QVariant dayPartModelGetPanSizeX(int row) const { return editValue(m_dayPartsEditModel, row, MenuRoles::PanSizeX, QString()); }
    QVariant dayPartModelGetGroupDefault(int row) const { return editValue(m_dayPartsEditModel, row, MenuRoles::Default, 0); }

    // Other edit-model operations.
    int getProductEditRowCount() const;
    int getGroupEditRowCount() const;
    void sortProductEditModel();
    void sortGroupEditModel();
    int getProductEditIndex(int id) const;
    int getGroupEditIndex(int id) const;
    int getGroupEditProductIndex(int id) const;
    QVariant getGroupEditGroupPList(int row) const { return memberList(m_groupsEditModel, row); }
    QVariant dayPartModelGetGroupPList(int row) const { return memberList(m_dayPartsEditModel, row); }
    bool groupEditIsEmptyGroup(int index) const;
    void groupEditSetDefaultProd(int gid, int prodIndex);
    void deleteGroupFromEdit(int row);
    bool checkProductInGroups(int pid, int lowerTemp, int upperTemp, const QString &lidType,
                              const QString &panSizeX, int fanSpeed) const;
    QVariant dayPartEditGetName(int id) const;
    QVariant dayPartEditGetPanSize(int id) const;
    QVariant dayPartEditGetPanSizeX(int id) const;
    QVariant dayPartEditGetFanSpeed(int id) const;
    QVariant dayPartEditGetLowerTemp(int id) const;
    QVariant dayPartEditGetUpperTemp(int id) const;
    void processChangedItem(QStandardItem *item);

    // The menu editor's copies. The editor never touches the live menu: it
    // edits these and either writes them back in one step (saveEditModel)
    // or leaves them to be rebuilt the next time it opens.
    void initializeEditDataModels();
    void initializeDayPartEditModel();
    // Replaces product pid (0: adds one with a new id) and answers its id;
    // 0 when pid names no product of the copy. name is the list of names
    // by language id.
    int saveProductEdit(int pid, const QVariant &name, int holdTime, int warningTime, int lowerTemp,
                        int upperTemp, int resetTime, const QString &lidType, const QString &bottomType,
                        const QString &panSizeX, int fanSpeed, const QVariant &timerColor);
    // Takes pid out of every group whose settings no longer match these.
    void removeProductFromGroups(int pid, int lowerTemp, int upperTemp, const QString &lidType,
                                 const QString &panSizeX);
    void deleteProductFromEdit(int row);
    int addNewEditGroup();
    // Members stay sorted by name; the default keeps naming the same product.
    void groupEditAddProduct(int gid, int row);
    void groupEditRemoveProduct(int gid, int index);
    void saveGroupEdit(int gid, const QVariant &name, int defaultIndex);
    void saveEditModel();

    // Pan size and names, for the cabinet's current layout.
    QString convertPanSizeToPanFraction(int panSize) const;
    int convertPanFractionToPanSize(const QString &panSizeX) const;
    QStringList readNameTranslationsFromJson(const QJsonObject &nameObj) const;
    QJsonObject setNameListToJson(const QStringList &nameList) const;

private:
    QVariant productValue(int row, int role) const;
    static QVariant editValue(const RoleItemModel *model, int row, int role, const QVariant &fallback);
    static int findRowById(const RoleItemModel *model, int id);
    static QVariant memberList(const RoleItemModel *model, int row);
    QVariant dayPartEditValue(int id, int role, const QVariant &forProductZero,
                              const QVariant &whenMissing) const;
    static bool groupSettingsMatch(const QModelIndex &group, int lowerTemp, int upperTemp,
                                   const QString &lidType, const QString &panSizeX, int fanSpeed);
    void removeGroupMember(const QModelIndex &group, int index);
    int editGroupRow(int gid, const char *operation) const;
    int lowestFreeEditId(int from) const;
    int currentLanguage() const;
    QByteArray productDigestInput(int id) const;

    MenuFile::Context cabinetContext() const;
    // Loads a menu file into "productsModel"; false (with the reason) leaves
    // the model as it was.
    bool loadMenuFile(const QString &fileName, QString *error);
    Translator *translator() const;
    void replaceProducts(const QList<MenuFile::Row> &rows);
    QList<MenuFile::Row> productRows() const;

    Crc32 m_crc32;
    RoleItemModel *m_productsModel;
    RoleItemModel *m_productsEditModel;
    RoleItemModel *m_groupsEditModel;
    RoleItemModel *m_dayPartsEditModel;
    QList<QObject *> m_timerColors;
    SafeFileWriter *m_menuWriter;
};
