#include "menus/dpeditproductinfo.h"
#include "menus/menufile.h"
#include "menus/menumanager.h"
#include "menus/menuroles.h"
#include "menus/roleitemmodel.h"
#include "menus/tavolenfilecodec.h"
#include "menus/timercolorsdata.h"
#include "platform/kivclock.h"
#include "platform/kivroot.h"
#include "ui/translator.h"

#include "filesizelimit.h"
#include "menutoolfile.h"
#include "messagecatcher.h"
#include "temproot.h"

#include <QCryptographicHash>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QQmlContext>
#include <QQmlEngine>
#include <QQmlExpression>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QtTest>

#include <zlib.h>

// The configuration store as the menu reads it: the IoT back-end type.
class FakeConfig : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString iotType MEMBER iotType)

public:
    using QObject::QObject;
    QString iotType = QStringLiteral("DEZ_ORAAWS");
};

// Stands for the cabinet core: the menu reads its layout, customer and
// configuration, finds the translator among its children and asks it to
// pass a saved menu on to the other displays.
class FakeCabinet : public QObject
{
    Q_OBJECT
    Q_PROPERTY(int traysPerZone MEMBER traysPerZone)
    Q_PROPERTY(int customerId MEMBER customerId)
    Q_PROPERTY(QObject *configManager MEMBER configManager)

public:
    int traysPerZone = 3;
    int customerId = 0;
    FakeConfig *config = new FakeConfig(this);
    QObject *configManager = config;
    QStringList calls;
    Translator *translator = new Translator(this);
    MenuManager *menu = new MenuManager(this);

    MenuManager *load()
    {
        menu->menuLoadJsonDocFile();
        return menu;
    }

public slots:
    void sendFileViaCanbus(int fileId) { calls << QStringLiteral("file %1").arg(fileId); }
    void sendMcUpdateProducts() { calls << QStringLiteral("message 57"); }
};

class TestMenuManager : public QObject
{
    Q_OBJECT

private:
    const QStringList savedAndSent{"file 11", "message 57"};

    static QByteArray fixture(const QString &name)
    {
        QFile file(":/fixtures/" + name);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    static QList<QVariantMap> rowsOf(const QAbstractItemModel *model)
    {
        QList<QVariantMap> rows;
        for (int row = 0; row < model->rowCount(); ++row)
            rows << RoleItemModel::getModelData(model, row);
        return rows;
    }

    // What a display starting now would load.
    static QList<QVariantMap> rowsAfterRestart()
    {
        FakeCabinet restarted;
        return rowsOf(restarted.load()->productsModel());
    }

    static void fill(RoleItemModel *model, const QList<MenuFile::Row> &rows)
    {
        for (const MenuFile::Row &row : rows) {
            auto *item = new QStandardItem;
            for (auto it = row.cbegin(); it != row.cend(); ++it)
                item->setData(it.value(), it.key());
            model->appendRow(item);
        }
    }

    static QList<MenuFile::Row> fixtureRows()
    {
        QList<MenuFile::Row> rows;
        QString error;
        MenuFile::parseMenuJson(fixture("menu.json"), {3, 0}, &rows, &error);
        return rows;
    }

    // A menu with an empty product 0 and the given product and group ids.
    static QByteArray menuWith(const QList<int> &productIds, const QList<int> &groupIds, bool emptyProduct = true)
    {
        QJsonArray products;
        if (emptyProduct)
            products.append(QJsonObject{{"productId", 0}, {"productName", QJsonObject{{"eng_USA", ""}}}});
        for (int id : productIds) {
            products.append(QJsonObject{{"productId", id},
                                        {"productName", QJsonObject{{"eng_USA", QStringLiteral("Product %1").arg(id)}}},
                                        {"holdingTime", 600}, {"lowerTemp", 160}, {"upperTemp", 180},
                                        {"zoneSplits", "1/3"}});
        }
        QJsonArray groups;
        for (int id : groupIds) {
            groups.append(QJsonObject{{"groupId", id},
                                      {"groupName", QJsonObject{{"eng_USA", QStringLiteral("Group %1").arg(id)}}},
                                      {"products", QJsonArray{}}});
        }
        return QJsonDocument(QJsonObject{{"menuVersion", 1}, {"products", products}, {"productGroups", groups}})
            .toJson();
    }

    static QStringList namesList(const QStringList &first)
    {
        QStringList names = first;
        while (names.size() < Translator::numberOfLanguages)
            names << QString();
        return names;
    }

    // The saved menu's edit copies: products 1, 2, 4, 6 (160-180 F,
    // "Vented", "2/3", fan 60) and 5; group 3 "Sides" with members 1, 2, 4
    // and 6 and default 2 (product 4), group 2^30 + 1 "Mains" with 5.
    static constexpr int sides = 3;
    static constexpr int mains = 1073741825;

    static MenuManager *editCopiesOf(FakeCabinet &cabinet)
    {
        MenuManager *menu = cabinet.load();
        menu->initializeEditDataModels();
        return menu;
    }

    // The saved menu loaded in a root of its own, its edit copies made.
    struct SavedMenuEditor
    {
        TempRoot root;
        bool ready = root.writeFile("/root/menu.json", fixture("savedMenu.json"));
        FakeCabinet cabinet;
        MenuManager *menu = editCopiesOf(cabinet);
    };

    static QStringList membersOf(const MenuManager *menu, int gid)
    {
        return menu->getGroupEditGroupPList(menu->getGroupEditIndex(gid)).toStringList();
    }

    static int defaultOf(const MenuManager *menu, int gid)
    {
        return menu->getGroupEditGroupsDefault(menu->getGroupEditIndex(gid)).toInt();
    }

    static QList<int> idsOf(const QAbstractItemModel *model)
    {
        QList<int> ids;
        for (int row = 0; row < model->rowCount(); ++row)
            ids << model->index(row, 0).data(MenuRoles::Id).toInt();
        return ids;
    }

    // A product save with everything but the group settings fixed.
    static int saveProduct(MenuManager *menu, int pid, const QString &name, int lowerTemp = 160, int upperTemp = 180,
                           const QString &lidType = "Vented", const QString &panSizeX = "2/3", int fanSpeed = 60)
    {
        return menu->saveProductEdit(pid, namesList({name}), 3600, 3000, lowerTemp, upperTemp, 300, lidType,
                                     "Normal", panSizeX, fanSpeed, "#fffffd");
    }

private slots:
    void initTestCase()
    {
        qRegisterMetaType<SafeFileWriter::Result>();
        QVERIFY(!fixture("menu.json").isEmpty());
    }

    void answersProductQueriesByRowAndById()
    {
        TempRoot root;
        QVERIFY(root.writeFile("/root/menu.json", fixture("menu.json")));
        FakeCabinet cabinet;
        cabinet.traysPerZone = 4;
        MenuManager *menu = cabinet.load();

        QCOMPARE(menu->getRowCount(), 5);
        QCOMPARE(menu->getProductIndex(7), 3);
        QCOMPARE(menu->getProductIndex(1073741825), 4);
        QCOMPARE(menu->getProductIndex(99), 0);
        const int fries = menu->getProductIndex(5);
        QCOMPARE(menu->getProductId(fries), QVariant(5));
        QCOMPARE(menu->getProductHoldTime(fries), QVariant(7260));
        QCOMPARE(menu->getProductWarningTime(fries), QVariant(7220));
        QCOMPARE(menu->getProductResetTime(fries), QVariant(120));
        QCOMPARE(menu->getProductLowerTemp(fries), QVariant(160));
        QCOMPARE(menu->getProductUpperTemp(fries), QVariant(180));
        QCOMPARE(menu->getProductLidType(fries), QVariant("Vented"));
        QCOMPARE(menu->getProductBottomType(fries), QVariant("Normal"));
        QCOMPARE(menu->getProductGroupId(fries), QVariant("0"));
        QVERIFY(!menu->getProductAbreviation(fries).isValid());
        // The numeric "zoneSplits" reads as one bin of this cabinet's four.
        QCOMPARE(menu->getProductPanSize(fries), QVariant(1));
        QCOMPARE(menu->getProductPanSizeX(fries), QVariant("1/4"));
        QCOMPARE(menu->getProductGroupPList(1073741825), QVariant(QStringList{"5", "7"}));
        QCOMPARE(menu->getProductGroupsDefault(1073741825), QVariant(1));
        QCOMPARE(menu->convertPanSizeToPanFraction(3), QStringLiteral("3/4"));
        QCOMPARE(menu->convertPanFractionToPanSize("1/2"), 2);
    }

    void fallsBackToTheDefaultMenu_data()
    {
        QTest::addColumn<bool>("emptyMenu");
        QTest::addColumn<bool>("newFile");
        QTest::addColumn<QString>("logLine");
        QTest::newRow("empty menu.json") << true << false << "menu.json file size is 0???... using default file.";
        QTest::newRow("interrupted save") << false << true << "Application closed in the middle of menu file save process";
        QTest::newRow("no menu") << false << false << "menu.json doesn't exist, using default file.";
    }

    void fallsBackToTheDefaultMenu()
    {
        QFETCH(bool, emptyMenu);
        QFETCH(bool, newFile);
        QFETCH(QString, logLine);
        TempRoot root;
        if (emptyMenu)
            QVERIFY(root.writeFile("/root/menu.json", ""));
        if (newFile)
            QVERIFY(root.writeFile("/root/menu.json.New", "{\"menuVersion\": 1, \"prod"));
        FakeCabinet cabinet;
        MenuManager *menu = cabinet.menu;

        QTest::ignoreMessage(QtDebugMsg, qPrintable(logLine));
        QTest::ignoreMessage(QtDebugMsg, "Loading default menu - :/defaultMenu.json");
        menu->menuLoadJsonDocFile();

        QCOMPARE(menu->getRowCount(), 41);
        QCOMPARE(menu->getProductName(0), QVariant(QString()));
        QCOMPARE(menu->getProductName(1), QVariant("Prod s1"));
        QCOMPARE(menu->getProductHoldTime(menu->getProductIndex(1)), QVariant(7260));
        QCOMPARE(menu->getProductWarningTime(menu->getProductIndex(2)), QVariant(20));
        QCOMPARE(menu->getProductName(40), QVariant("Prod l40"));
        QCOMPARE(menu->getProductLidType(menu->getProductIndex(40)), QVariant("Solid"));
        QCOMPARE(menu->getProductUpperTemp(menu->getProductIndex(30)), QVariant(150));
        // The default menu is only read: nothing is written, the
        // interrupted save's file stays for a look.
        QCOMPARE(QFileInfo(KivRoot::appFile("menu.json")).size(), 0);
        QCOMPARE(QFileInfo::exists(KivRoot::appFile("menu.json.New")), newFile);
        QVERIFY(cabinet.calls.isEmpty());
    }

    void aBadMenuFileKeepsTheMenuHeld_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("truncated") << fixture("menu.json").left(700);
        QTest::newRow("version 2") << QByteArray(R"({"menuVersion": 2, "products": [], "productGroups": []})");
        QTest::newRow("garbage") << QByteArray("\x7f" "ELF\x02\x01", 6);
    }

    void aBadMenuFileKeepsTheMenuHeld()
    {
        QFETCH(QByteArray, bytes);
        TempRoot root;
        QVERIFY(root.writeFile("/root/menu.json", fixture("menu.json")));
        FakeCabinet cabinet;
        MenuManager *menu = cabinet.load();
        const QList<QVariantMap> before = rowsOf(menu->productsModel());
        QCOMPARE(before.size(), 5);

        QVERIFY(root.writeFile("/root/menu.json", bytes));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^Menu file .*menu.json not loaded, keeping the current menu: "));
        emit menu->reloadProductsFile();
        QCOMPARE(rowsOf(menu->productsModel()), before);
    }

    void aSavedMenuReloadsIdentically()
    {
        TempRoot root;
        QVERIFY(root.writeFile("/root/menu.json", fixture("menu.json")));
        FakeCabinet cabinet;
        MenuManager *menu = cabinet.load();
        const QList<QVariantMap> loaded = rowsOf(menu->productsModel());

        menu->saveProductsMenuJson();
        menu->saveProductsMenuJson();
        // Each save ends with its own transfer to the other displays.
        QTRY_COMPARE(cabinet.calls, savedAndSent + savedAndSent);
        QCOMPARE(root.readFile("/root/menu.json"), menu->menuDataModelToJson());
        QVERIFY(!QFile::exists(KivRoot::appFile("menu.json.New")));

        QCOMPARE(rowsAfterRestart(), loaded);
    }

    void aFailedWriteKeepsTheOldMenu()
    {
        TempRoot root;
        QVERIFY(root.writeFile("/root/menu.json", fixture("menu.json")));
        FakeCabinet cabinet;
        MenuManager *menu = cabinet.load();
        const QList<QVariantMap> loaded = rowsOf(menu->productsModel());
        menu->productsModel()->setData(menu->productsModel()->index(1, 0), 999, MenuRoles::HoldTime);

        // Every write to /dev/full fails as on a full disk.
        QVERIFY(QFile::link("/dev/full", KivRoot::appFile("menu.json.New")));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^Writing .*menu.json.New failed: "));
        menu->saveProductsMenuJson();

        QCOMPARE(root.readFile("/root/menu.json"), fixture("menu.json"));
        QVERIFY(cabinet.calls.isEmpty()); // nothing sent to the other displays
        QCOMPARE(rowsAfterRestart(), loaded);
    }

    void convertsTheOlderListOnce_data()
    {
        QTest::addColumn<bool>("diskFull");
        QTest::newRow("saved") << false;
        QTest::newRow("disk full") << true;
    }

    void convertsTheOlderListOnce()
    {
        QFETCH(bool, diskFull);
        TempRoot root;
        QVERIFY(root.writeFile("/root/productsList.txt", fixture("productsList.txt")));
        if (diskFull)
            QVERIFY(QFile::link("/dev/full", KivRoot::appFile("menu.json.New")));
        FakeCabinet cabinet;
        MenuManager *menu = cabinet.menu;

        QTest::ignoreMessage(QtWarningMsg, "productsList.txt: line 5 is not a product or group; skipped");
        if (diskFull)
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^Writing .*menu.json.New failed: "));
        menu->menuLoadJsonDocFile();
        QCOMPARE(menu->getRowCount(), 5);
        QCOMPARE(menu->getProductName(4), QVariant("Chicken"));
        QCOMPARE(menu->productsModel()->headerData(15, Qt::Horizontal).toString(), QStringLiteral("Fan speed"));

        if (diskFull) {
            // The older list is the only copy of the menu: it stays.
            QVERIFY(cabinet.calls.isEmpty());
            QVERIFY(QFile::exists(KivRoot::appFile("productsList.txt")));
            QVERIFY(!QFile::exists(KivRoot::appFile("menu.json")));
            return;
        }
        QTRY_COMPARE(cabinet.calls, savedAndSent);
        QVERIFY(!QFile::exists(KivRoot::appFile("productsList.txt")));

        FakeCabinet restarted;
        MenuManager *reloaded = restarted.load();
        QCOMPARE(reloaded->getRowCount(), 5);
        QCOMPARE(reloaded->getProductHoldTime(reloaded->getProductIndex(3)), QVariant(600));
        QCOMPARE(reloaded->getProductGroupPList(2000), QVariant(QStringList{"4", "3", "99"}));
    }

    void anOlderListBesideTheMenuIsRemoved()
    {
        TempRoot root;
        QVERIFY(root.writeFile("/root/menu.json", fixture("menu.json")));
        QVERIFY(root.writeFile("/root/productsList.txt", fixture("productsList.txt")));
        FakeCabinet cabinet;
        MenuManager *menu = cabinet.load();
        QCOMPARE(menu->getRowCount(), 5);
        QCOMPARE(menu->getProductName(12), QVariant("Prod s12"));
        QVERIFY(!QFile::exists(KivRoot::appFile("productsList.txt")));
    }

    void anEmptyOlderListConvertsTheDefaultList()
    {
        TempRoot root;
        QVERIFY(root.writeFile("/root/productsList.txt", ""));
        FakeCabinet cabinet;
        cabinet.customerId = 3;
        MenuManager *menu = cabinet.menu;
        QTest::ignoreMessage(QtDebugMsg, "productsList.txt file size is 0???... using default file.");
        menu->menuLoadJsonDocFile();
        QCOMPARE(menu->getRowCount(), 41);
        QCOMPARE(menu->getProductLowerTemp(menu->getProductIndex(2)), QVariant("140"));
        QCOMPARE(menu->getProductLowerTemp(0), QVariant(185));
        QTRY_COMPARE(cabinet.calls, savedAndSent);
    }

    void namesFollowTheLanguage_data()
    {
        QTest::addColumn<int>("language"); // -2: never set
        QTest::addColumn<int>("productId");
        QTest::addColumn<QString>("name");
        QTest::newRow("before the first language") << -2 << 12 << "Prod s12";
        QTest::newRow("English") << 0 << 12 << "Prod s12";
        QTest::newRow("Spanish") << 1 << 12 << "Producto 12";
        QTest::newRow("empty French entry") << 2 << 12 << "";
        QTest::newRow("German") << 5 << 7 << "Nuggets DE";
        QTest::newRow("unknown product is row 0") << 1 << 99 << "";
    }

    void namesFollowTheLanguage()
    {
        QFETCH(int, language);
        QFETCH(int, productId);
        QFETCH(QString, name);
        TempRoot root;
        QVERIFY(root.writeFile("/root/menu.json", fixture("menu.json")));
        FakeCabinet cabinet;
        MenuManager *menu = cabinet.load();
        if (language != -2)
            cabinet.translator->set_languageId(language);
        QCOMPARE(menu->getProductName(productId), QVariant(name));
    }

    void namesForAnyLanguageId()
    {
        TempRoot root;
        QVERIFY(root.writeFile("/root/menu.json", fixture("menu.json")));
        FakeCabinet cabinet;
        MenuManager *menu = cabinet.load();
        QCOMPARE(menu->getProductName(1, 12), QVariant("Producto 12"));
        QCOMPARE(menu->getProductName(15, 12), QVariant("Prod s12"));
        QCOMPARE(menu->getProductName(-1, 12), QVariant("Prod s12"));

        // Without a translator (and without any menu) nothing breaks.
        QObject bare;
        auto *empty = new MenuManager(&bare);
        QCOMPARE(empty->getProductName(12), QVariant(QString()));
        QCOMPARE(empty->getProductIndex(12), 0);
        QCOMPARE(empty->getProductCrc32(12), Crc32().calculateFromByteArray("c00"));
    }

    void digestsCoverIdNameHoldTimeAndPanSize_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<int>("productId");
        QTest::addColumn<QByteArray>("input");
        QTest::newRow("product 12") << 0 << 12 << QByteArray("cProd s123c1");
        QTest::newRow("other language") << 1 << 12 << QByteArray("cProducto 123c1");
        QTest::newRow("empty product") << 0 << 0 << QByteArray("001");
        QTest::newRow("long hold, two bins") << 0 << 5 << QByteArray("5Fries1c5c2");
        QTest::newRow("negative id, not Latin-1") << 0 << -3 << QByteArray("-3K\xe4se ??32");
        QTest::newRow("unknown id takes row 0") << 0 << 99 << QByteArray("63") + "" + "0" + "1";
    }

    void digestsCoverIdNameHoldTimeAndPanSize()
    {
        QFETCH(int, language);
        QFETCH(int, productId);
        QFETCH(QByteArray, input);
        TempRoot root;
        QVERIFY(root.writeFile("/root/menu.json", R"({"menuVersion": 1, "products": [
            {"productId": 0, "productName": {"eng_USA": ""}, "holdingTime": 0, "zoneSplits": "1/2"},
            {"productId": 12, "productName": {"eng_USA": "Prod s12", "spa": "Producto 12"}, "holdingTime": 60, "zoneSplits": "1/2"},
            {"productId": 5, "productName": {"eng_USA": "Fries"}, "holdingTime": 7260, "zoneSplits": "1/1"},
            {"productId": -3, "productName": {"eng_USA": "K\u00e4se \u65e5\u672c"}, "holdingTime": 3, "zoneSplits": "1/1"}
        ]})"));
        FakeCabinet cabinet;
        cabinet.traysPerZone = 2;
        MenuManager *menu = cabinet.load();
        cabinet.translator->set_languageId(language);

        const QByteArray md5 = QCryptographicHash::hash(input, QCryptographicHash::Md5);
        const quint32 crc = quint32(crc32(0L, reinterpret_cast<const Bytef *>(input.constData()), uInt(input.size())));
        QTest::ignoreMessage(QtDebugMsg, qPrintable(QStringLiteral("Product specific md5 for id %1 = %2")
                                                        .arg(productId).arg(QString::fromLatin1(md5.toHex()))));
        QCOMPARE(menu->getProductMd5(productId), md5);
        QCOMPARE(menu->getProductCrc32(productId), crc);
    }

    void editModelsAnswerOutOfRangeRowsWithDefaults_data()
    {
        QTest::addColumn<QString>("slot");
        QTest::addColumn<QVariant>("fallback");
        QTest::addColumn<QVariant>("product7"); // the answer for row 3, product 7
        const QVariant none{QString()};
        const QVariant nuggets{QStringList{"Nuggets", "", "", "", "", "Nuggets DE", "", "", "", "", "", "", "", "", ""}};
        auto row = [](const char *slot, const QVariant &fallback, const QVariant &product7) {
            QTest::newRow(slot) << QString::fromLatin1(slot) << fallback << product7;
        };
        row("getProductEditId", 0, 7);
        row("getProductEditName", none, "Nuggets");
        row("getProductEditNameList", none, nuggets);
        row("getProductEditHoldTime", 0, 900);
        row("getProductEditWarningTime", 0, 600);
        row("getProductEditLowerTemp", 0, 160);
        row("getProductEditUpperTemp", 0, 180);
        row("getProductEditFanSpeed", 0, 60);
        row("getProductEditLidType", none, "Vented");
        row("getProductEditBottomType", none, "Rack");
        row("getProductEditPanSize", none, 2);
        row("getProductEditPanSizeX", none, "2/3");
        row("getProductEditResetTime", 0, 0);
        row("getProductEditTimerColor", none, "#00ff00");
        row("getProductEditProductLocked", false, false);
        row("getGroupEditProductGroupId", 0, "0");
        row("getGroupEditId", 0, 7);
        row("getGroupEditName", none, "Nuggets");
        row("getGroupEditNameList", none, nuggets);
        row("getGroupEditLowerTemp", 0, 160);
        row("getGroupEditUpperTemp", 0, 180);
        row("getGroupEditLidType", none, "Vented");
        row("getGroupEditPanSize", none, 2);
        row("getGroupEditPanSizeX", none, "2/3");
        row("getGroupEditFanSpeed", 100, 60);
        row("getGroupEditGroupsDefault", 0, -1);
        row("dayPartModelGetId", 0, 7);
        row("dayPartModelGetGroupId", 0, "0");
        row("dayPartModelGetName", none, "Nuggets");
        row("dayPartModelGetTimerColor", none, "#00ff00");
        row("dayPartModelGetProductLocked", none, false);
        row("dayPartModelGetHoldTime", 0, 900);
        row("dayPartModelGetWarningTime", 0, 600);
        row("dayPartModelGetLowerTemp", 0, 160);
        row("dayPartModelGetUpperTemp", 0, 180);
        row("dayPartModelGetFanSpeed", 0, 60);
        row("dayPartModelGetResetTime", 0, 0);
        row("dayPartModelGetLidType", none, "Vented");
        row("dayPartModelGetBottomType", none, "Rack");
        row("dayPartModelGetPanSize", 0, 2);
        row("dayPartModelGetPanSizeX", none, "2/3");
        row("dayPartModelGetGroupDefault", 0, -1);
    }

    void editModelsAnswerOutOfRangeRowsWithDefaults()
    {
        QFETCH(QString, slot);
        QFETCH(QVariant, fallback);
        QFETCH(QVariant, product7);
        QObject cabinet;
        MenuManager menu(&cabinet);
        const QList<MenuFile::Row> rows = fixtureRows();
        fill(menu.productsEditModel(), rows);
        fill(menu.groupsEditModel(), rows);
        fill(menu.dayPartsEditModel(), rows);
        auto call = [&](int row) {
            QVariant result;
            if (!QMetaObject::invokeMethod(&menu, slot.toLatin1().constData(), Q_RETURN_ARG(QVariant, result),
                                           Q_ARG(int, row)))
                qWarning() << "no slot" << slot;
            return result;
        };
        for (int row : {5, 99, -1}) {
            const QVariant result = call(row);
            QCOMPARE(result.userType(), fallback.userType());
            QCOMPARE(result, fallback);
        }
        const QVariant result = call(3);
        QCOMPARE(result.userType(), product7.userType());
        QCOMPARE(result, product7);
    }

    void editModelOperations()
    {
        QObject cabinet;
        MenuManager menu(&cabinet);
        const QList<MenuFile::Row> rows = fixtureRows();
        fill(menu.productsEditModel(), rows.mid(0, 4));
        fill(menu.groupsEditModel(), {rows.at(4)});
        fill(menu.dayPartsEditModel(), rows);
        const int sides = 1073741825;

        QCOMPARE(menu.getProductEditRowCount(), 4);
        QCOMPARE(menu.getGroupEditRowCount(), 1);
        QCOMPARE(menu.getGroupEditIndex(sides), 0);
        QCOMPARE(menu.getGroupEditId(0), QVariant(sides));
        QCOMPARE(menu.getProductEditIndex(7), 3);
        QCOMPARE(menu.getGroupEditProductIndex(99), 0);
        QCOMPARE(menu.getGroupEditGroupPList(-4), QVariant(QStringList{"5", "7"}));
        QCOMPARE(menu.getGroupEditGroupPList(1), QVariant(QStringList()));
        QCOMPARE(menu.dayPartModelGetGroupPList(4), QVariant(QStringList{"5", "7"}));
        QVERIFY(!menu.groupEditIsEmptyGroup(0));
        QVERIFY(menu.groupEditIsEmptyGroup(1));

        menu.groupEditSetDefaultProd(sides, 2); // two members: index 2 is out
        QCOMPARE(menu.getGroupEditGroupsDefault(0), QVariant(0));
        menu.groupEditSetDefaultProd(sides, 1);
        QCOMPARE(menu.getGroupEditGroupsDefault(0), QVariant(1));

        // The group holds 5 and 7 at 160-180, "Vented", "2/3", fan 60.
        QVERIFY(!menu.checkProductInGroups(0, 1, 1, "None", "1/3", 1));
        QVERIFY(!menu.checkProductInGroups(12, 1, 1, "None", "1/3", 1));
        QVERIFY(!menu.checkProductInGroups(5, 160, 180, "Vented", "2/3", 60));
        QVERIFY(menu.checkProductInGroups(5, 160, 180, "Vented", "2/3", 70));
        QVERIFY(menu.checkProductInGroups(7, 160, 180, "Solid", "2/3", 60));

        QCOMPARE(menu.dayPartEditGetName(7), QVariant("Nuggets"));
        QCOMPARE(menu.dayPartEditGetPanSizeX(7), QVariant("2/3"));
        QCOMPARE(menu.dayPartEditGetFanSpeed(7), QVariant(60));
        QCOMPARE(menu.dayPartEditGetUpperTemp(7), QVariant(180));
        QCOMPARE(menu.dayPartEditGetName(0), QVariant(QString()));
        QCOMPARE(menu.dayPartEditGetPanSize(0), QVariant(1));
        QCOMPARE(menu.dayPartEditGetFanSpeed(0), QVariant(-1));
        QCOMPARE(menu.dayPartEditGetPanSize(99), QVariant(0));
        QCOMPARE(menu.dayPartEditGetFanSpeed(99), QVariant(0));
        QCOMPARE(menu.dayPartEditGetLowerTemp(99), QVariant(0));

        menu.sortProductEditModel();
        QCOMPARE(menu.getProductEditName(0), QVariant(QString()));
        QCOMPARE(menu.getProductEditName(1), QVariant("Fries"));
        QCOMPARE(menu.getProductEditName(3), QVariant("Prod s12"));

        menu.deleteGroupFromEdit(0);
        QCOMPARE(menu.getGroupEditRowCount(), 0);
        menu.groupEditSetDefaultProd(sides, 0); // no rows: nothing to set, no crash
    }

    void editCopiesTakeTheCurrentLanguage_data()
    {
        QTest::addColumn<int>("language"); // -2: never set
        QTest::addColumn<QStringList>("productNames");
        QTest::addColumn<QStringList>("groupNames");
        const QStringList english{"Fries", "Hash browns", "Nuggets", "Wings", "Patty"};
        QTest::newRow("before the first language") << -2 << english << QStringList{"Sides", "Mains"};
        QTest::newRow("English") << 0 << english << QStringList{"Sides", "Mains"};
        QTest::newRow("Spanish") << 1 << QStringList{"Patatas fritas", "", "Nuggets ES", "", ""}
                                 << QStringList{"Guarniciones", ""};
        QTest::newRow("German") << 5 << QStringList{"", "", "", "Flügel", ""} << QStringList{"", ""};
        QTest::newRow("beyond the names list") << 15 << english << QStringList{"Sides", "Mains"};
    }

    void editCopiesTakeTheCurrentLanguage()
    {
        QFETCH(int, language);
        QFETCH(QStringList, productNames);
        QFETCH(QStringList, groupNames);
        TempRoot root;
        QVERIFY(root.writeFile("/root/menu.json", fixture("savedMenu.json")));
        FakeCabinet cabinet;
        MenuManager *menu = cabinet.load();
        if (language != -2)
            cabinet.translator->set_languageId(language);
        RoleItemModel *live = menu->productsModel();
        live->setData(live->index(1, 0), "FRS", MenuRoles::Abreviation);
        menu->productsEditModel()->appendRow(new QStandardItem); // a leftover of an earlier edit

        menu->initializeEditDataModels();
        QCOMPARE(idsOf(menu->productsEditModel()), (QList<int>{1, 2, 4, 6, 5}));
        QCOMPARE(idsOf(menu->groupsEditModel()), (QList<int>{sides, mains}));
        QStringList names;
        for (int row = 0; row < 5; ++row)
            names << menu->getProductEditName(row).toString();
        QCOMPARE(names, productNames);
        QCOMPARE(menu->getGroupEditName(0).toString() + "," + menu->getGroupEditName(1).toString(),
                 groupNames.join(","));

        // Every other value is the live row's; what the editor does not
        // change stays behind.
        for (int row = 1; row < live->rowCount(); ++row) {
            const bool group = row > 5;
            const RoleItemModel *copies = group ? menu->groupsEditModel() : menu->productsEditModel();
            QVariantMap expected = RoleItemModel::getModelData(live, row);
            QVariantMap copy = RoleItemModel::getModelData(copies, group ? row - 6 : row - 1);
            expected.remove("name");
            copy.remove("name");
            expected["abreviation"] = QVariant();
            QCOMPARE(copy, expected);
        }
    }

    void theDayPartListHoldsProductsAndGroupsByName()
    {
        SavedMenuEditor editor;
        QVERIFY(editor.ready);
        MenuManager *menu = editor.menu;
        menu->dayPartsEditModel()->appendRow(new QStandardItem);
        menu->initializeDayPartEditModel();

        QStringList names;
        for (int row = 0; row < menu->dayPartsEditModel()->rowCount(); ++row)
            names << menu->dayPartModelGetName(row).toString();
        QCOMPARE(names, (QStringList{"Fries", "Hash browns", "Mains", "Nuggets", "Patty", "Sides", "Wings"}));
        const QVariantMap sidesRow = RoleItemModel::getModelData(menu->dayPartsEditModel(), 5);
        QCOMPARE(sidesRow.value("productList"), QVariant(QStringList{"1", "2", "4", "6"}));
        QCOMPARE(sidesRow.value("targetFanSpeed"), QVariant(60));
        QVERIFY(!sidesRow.value("namesList").isValid());
        QCOMPARE(menu->dayPartEditGetPanSize(6), QVariant(2));
    }

    void newIdsAreTheLowestFree_data()
    {
        QTest::addColumn<QList<int>>("products");
        QTest::addColumn<QList<int>>("groups");
        QTest::addColumn<QList<int>>("productIds");
        QTest::addColumn<QList<int>>("groupIds");
        const QList<int> firstGroups{1073741825, 1073741826};
        QTest::newRow("products 1, 2, 4") << QList<int>{1, 2, 4} << QList<int>{} << QList<int>{3, 5} << firstGroups;
        QTest::newRow("and an imported group 3")
            << QList<int>{1, 2, 4} << QList<int>{3} << QList<int>{5, 6} << firstGroups;
        QTest::newRow("only the empty product") << QList<int>{} << QList<int>{} << QList<int>{1, 2} << firstGroups;
        QTest::newRow("group 2^30 + 1 imported")
            << QList<int>{1} << QList<int>{1073741825} << QList<int>{2, 3} << QList<int>{1073741826, 1073741827};
    }

    void newIdsAreTheLowestFree()
    {
        QFETCH(QList<int>, products);
        QFETCH(QList<int>, groups);
        QFETCH(QList<int>, productIds);
        QFETCH(QList<int>, groupIds);
        TempRoot root;
        QVERIFY(root.writeFile("/root/menu.json", menuWith(products, groups)));
        FakeCabinet cabinet;
        MenuManager *menu = editCopiesOf(cabinet);

        QCOMPARE(saveProduct(menu, 0, "New"), productIds.at(0));
        QCOMPARE(menu->addNewEditGroup(), groupIds.at(0));
        QCOMPARE(menu->addNewEditGroup(), groupIds.at(1));
        QCOMPARE(saveProduct(menu, 0, "Newer"), productIds.at(1));
        QCOMPARE(idsOf(menu->productsEditModel()), products + productIds);
    }

    void savedProductAndNewGroupRows()
    {
        SavedMenuEditor editor;
        QVERIFY(editor.ready);
        MenuManager *menu = editor.menu;
        editor.cabinet.translator->set_languageId(1);
        const QStringList names = namesList({"Eggs", "Huevos"});

        // Ids 1 to 6 are taken, 3 by a group.
        QCOMPARE(menu->saveProductEdit(0, names, 600, 300, 150, 170, 120, "Solid", "Normal", "2/3", 40, "#ff0000"), 7);
        const QVariantMap eggs{
            {"id", 7}, {"groupID", 0}, {"name", "Huevos"}, {"namesList", names},
            {"holdTime", "600"}, {"warningTime", "300"}, {"lowerTemp", "150"}, {"upperTemp", "170"},
            {"resetTime", "120"}, {"lidType", "Solid"}, {"bottomType", "Normal"}, {"panSizeX", "2/3"},
            {"panSize", 2}, {"targetFanSpeed", 40}, {"timerColor", "#ff0000"}, {"productLocked", false},
            {"productList", QStringList()}, {"default", -1},
            {"abreviation", QVariant()}, {"abreviation8", QVariant()}, {"lidAb", QVariant()},
            {"productImage", QVariant()},
        };
        QCOMPARE(menu->productsEditModel()->getXYZ(5), eggs);

        // A changed product keeps its place; its lock goes with the edit.
        QCOMPARE(menu->getProductEditProductLocked(1), QVariant(true));
        QCOMPARE(menu->saveProductEdit(2, names, 600, 300, 150, 170, 120, "Solid", "Normal", "2/3", 40, "#ff0000"), 2);
        QVariantMap changed = eggs;
        changed["id"] = 2;
        QCOMPARE(menu->productsEditModel()->getXYZ(1), changed);
        QCOMPARE(idsOf(menu->productsEditModel()), (QList<int>{1, 2, 4, 6, 5, 7}));

        const QVariantMap group{
            {"id", 1073741826}, {"groupID", 1073741826}, {"name", ""}, {"namesList", namesList({})},
            {"holdTime", 0}, {"warningTime", 0}, {"lowerTemp", 0}, {"upperTemp", 0}, {"targetFanSpeed", 0},
            {"lidType", ""}, {"bottomType", ""}, {"panSize", ""}, {"panSizeX", ""},
            {"productList", QStringList()}, {"default", -1},
            {"resetTime", QVariant()}, {"timerColor", QVariant()}, {"productLocked", QVariant()},
            {"abreviation", QVariant()}, {"abreviation8", QVariant()}, {"lidAb", QVariant()},
            {"productImage", QVariant()},
        };
        QCOMPARE(menu->addNewEditGroup(), 1073741826);
        QCOMPARE(menu->groupsEditModel()->getXYZ(2), group);
    }

    void anUnknownProductIsNotSaved()
    {
        SavedMenuEditor editor;
        QVERIFY(editor.ready);
        MenuManager *menu = editor.menu;
        const QList<QVariantMap> products = rowsOf(menu->productsEditModel());
        const QList<QVariantMap> groups = rowsOf(menu->groupsEditModel());

        QTest::ignoreMessage(QtWarningMsg, "Menu edit: no product with id 99 to save; nothing changed");
        QCOMPARE(saveProduct(menu, 99, "Ghost", 100), 0);
        QTest::ignoreMessage(QtWarningMsg, "Menu edit: no product row 5 to delete; nothing changed");
        menu->deleteProductFromEdit(5);
        QTest::ignoreMessage(QtWarningMsg, "Menu edit: no product row -1 to delete; nothing changed");
        menu->deleteProductFromEdit(-1);
        QCOMPARE(rowsOf(menu->productsEditModel()), products);
        QCOMPARE(rowsOf(menu->groupsEditModel()), groups);
    }

    void namesInTheCurrentLanguage_data()
    {
        QTest::addColumn<int>("language"); // -2: never set
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QString>("name");
        QTest::newRow("before the first language") << -2 << namesList({"Eggs", "Huevos"}) << "Eggs";
        QTest::newRow("Spanish") << 1 << namesList({"Eggs", "Huevos"}) << "Huevos";
        QTest::newRow("empty entry") << 2 << namesList({"Eggs", "Huevos"}) << "";
        QTest::newRow("short list") << 5 << QStringList{"Eggs"} << "Eggs";
        QTest::newRow("empty list") << 5 << QStringList{} << "";
    }

    void namesInTheCurrentLanguage()
    {
        QFETCH(int, language);
        QFETCH(QStringList, names);
        QFETCH(QString, name);
        SavedMenuEditor editor;
        QVERIFY(editor.ready);
        MenuManager *menu = editor.menu;
        if (language != -2)
            editor.cabinet.translator->set_languageId(language);

        const int id = menu->saveProductEdit(0, names, 600, 300, 150, 170, 120, "Solid", "Normal", "1/3", 40, "#ff0000");
        const int row = menu->getProductEditIndex(id);
        QCOMPARE(menu->getProductEditName(row), QVariant(name));
        QCOMPARE(menu->getProductEditNameList(row), QVariant(names));

        menu->saveGroupEdit(sides, names, 3);
        const int group = menu->getGroupEditIndex(sides);
        QCOMPARE(menu->getGroupEditName(group), QVariant(name));
        QCOMPARE(menu->getGroupEditNameList(group), QVariant(names));
        QCOMPARE(menu->getGroupEditGroupsDefault(group), QVariant(3));
        QCOMPARE(membersOf(menu, sides), (QStringList{"1", "2", "4", "6"}));
    }

    void groupSettingsFollowTheProduct_data()
    {
        QTest::addColumn<int>("pid");
        QTest::addColumn<int>("lowerTemp");
        QTest::addColumn<int>("upperTemp");
        QTest::addColumn<QString>("lidType");
        QTest::addColumn<QString>("panSizeX");
        QTest::addColumn<int>("fanSpeed");
        QTest::addColumn<QStringList>("members");
        QTest::addColumn<int>("defaultIndex");
        // Members 1, 2, 4, 6; the default is product 4 at index 2.
        QTest::newRow("unchanged") << 2 << 160 << 180 << "Vented" << "2/3" << 60 << QStringList{"1", "2", "4", "6"} << 2;
        QTest::newRow("lower temperature, before the default")
            << 2 << 150 << 180 << "Vented" << "2/3" << 60 << QStringList{"1", "4", "6"} << 1;
        QTest::newRow("lower temperature of the default")
            << 4 << 150 << 180 << "Vented" << "2/3" << 60 << QStringList{"1", "2", "6"} << 0;
        QTest::newRow("upper temperature, after the default")
            << 6 << 160 << 190 << "Vented" << "2/3" << 60 << QStringList{"1", "2", "4"} << 2;
        QTest::newRow("lid") << 1 << 160 << 180 << "vented" << "2/3" << 60 << QStringList{"2", "4", "6"} << 1;
        QTest::newRow("pan size") << 1 << 160 << 180 << "Vented" << "1/3" << 60 << QStringList{"2", "4", "6"} << 1;
        QTest::newRow("fan speed") << 1 << 160 << 180 << "Vented" << "2/3" << 70 << QStringList{"2", "4", "6"} << 1;
    }

    void groupSettingsFollowTheProduct()
    {
        QFETCH(int, pid);
        QFETCH(int, lowerTemp);
        QFETCH(int, upperTemp);
        QFETCH(QString, lidType);
        QFETCH(QString, panSizeX);
        QFETCH(int, fanSpeed);
        QFETCH(QStringList, members);
        QFETCH(int, defaultIndex);
        SavedMenuEditor editor;
        QVERIFY(editor.ready);
        MenuManager *menu = editor.menu;
        const QVariantMap mainsRow = menu->groupsEditModel()->getXYZ(1);

        // The editor's warning and the save agree.
        const bool leaves = members.size() < 4;
        QCOMPARE(menu->checkProductInGroups(pid, lowerTemp, upperTemp, lidType, panSizeX, fanSpeed), leaves);
        QCOMPARE(saveProduct(menu, pid, "Edited", lowerTemp, upperTemp, lidType, panSizeX, fanSpeed), pid);
        QCOMPARE(membersOf(menu, sides), members);
        QCOMPARE(defaultOf(menu, sides), defaultIndex);
        QCOMPARE(menu->groupsEditModel()->getXYZ(1), mainsRow);
    }

    void memberListAndDefault_data()
    {
        QTest::addColumn<int>("gid");
        QTest::addColumn<int>("index");
        QTest::addColumn<QStringList>("members");
        QTest::addColumn<int>("defaultIndex");
        const QStringList all{"1", "2", "4", "6"};
        QTest::newRow("index 1") << sides << 1 << QStringList{"1", "4", "6"} << 1;
        QTest::newRow("index 2, the default") << sides << 2 << QStringList{"1", "2", "6"} << 0;
        QTest::newRow("index 3") << sides << 3 << QStringList{"1", "2", "4"} << 2;
        QTest::newRow("index 4") << sides << 4 << all << 2;
        QTest::newRow("index -1") << sides << -1 << all << 2;
        QTest::newRow("unknown group") << 77 << 0 << all << 2;
    }

    void memberListAndDefault()
    {
        QFETCH(int, gid);
        QFETCH(int, index);
        QFETCH(QStringList, members);
        QFETCH(int, defaultIndex);
        SavedMenuEditor editor;
        QVERIFY(editor.ready);
        MenuManager *menu = editor.menu;
        const QVariantMap mainsRow = menu->groupsEditModel()->getXYZ(1);

        if (gid == 77)
            QTest::ignoreMessage(QtWarningMsg, "Menu edit: no group with id 77 to remove a product from; nothing changed");
        menu->groupEditRemoveProduct(gid, index);
        QCOMPARE(membersOf(menu, sides), members);
        QCOMPARE(defaultOf(menu, sides), defaultIndex);
        QCOMPARE(menu->groupsEditModel()->getXYZ(1), mainsRow);
    }

    void deletingAProductTakesItOutOfItsGroups_data()
    {
        QTest::addColumn<int>("pid");
        QTest::addColumn<QStringList>("members");
        QTest::addColumn<int>("defaultIndex");
        QTest::newRow("before the default") << 1 << QStringList{"2", "4", "6"} << 1;
        QTest::newRow("the default") << 4 << QStringList{"1", "2", "6"} << 0;
        QTest::newRow("after the default") << 6 << QStringList{"1", "2", "4"} << 2;
    }

    void deletingAProductTakesItOutOfItsGroups()
    {
        QFETCH(int, pid);
        QFETCH(QStringList, members);
        QFETCH(int, defaultIndex);
        SavedMenuEditor editor;
        QVERIFY(editor.ready);
        MenuManager *menu = editor.menu;

        menu->deleteProductFromEdit(menu->getProductEditIndex(pid));
        QVERIFY(!idsOf(menu->productsEditModel()).contains(pid));
        QCOMPARE(menu->getProductEditRowCount(), 4);
        QCOMPARE(membersOf(menu, sides), members);
        QCOMPARE(defaultOf(menu, sides), defaultIndex);
        QCOMPARE(membersOf(menu, mains), QStringList{"5"});
    }

    void addedMembersStaySortedByName()
    {
        SavedMenuEditor editor;
        QVERIFY(editor.ready);
        MenuManager *menu = editor.menu;
        const int b = saveProduct(menu, 0, "B", 170, 190, "Solid", "1/3", 80);
        const int a = saveProduct(menu, 0, "a");
        const int bigA = saveProduct(menu, 0, "A");
        const int gid = menu->addNewEditGroup();
        auto add = [&](int pid) { menu->groupEditAddProduct(gid, menu->getProductEditIndex(pid)); };

        add(b);
        // The first member gives the group its settings and is the default.
        const QVariantMap group = menu->groupsEditModel()->getXYZ(menu->getGroupEditIndex(gid));
        QCOMPARE(group.value("lowerTemp"), QVariant("170"));
        QCOMPARE(group.value("upperTemp"), QVariant("190"));
        QCOMPARE(group.value("lidType"), QVariant("Solid"));
        QCOMPARE(group.value("panSize"), QVariant(1));
        QCOMPARE(group.value("panSizeX"), QVariant("1/3"));
        QCOMPARE(group.value("targetFanSpeed"), QVariant(80));
        QCOMPARE(defaultOf(menu, gid), 0);

        add(a);
        add(bigA);
        add(b); // never a member twice
        const QStringList sorted{QString::number(bigA), QString::number(b), QString::number(a)};
        QCOMPARE(membersOf(menu, gid), sorted);
        QCOMPARE(defaultOf(menu, gid), 1);
        // Later members leave the settings as the first one set them.
        QCOMPARE(menu->getGroupEditLowerTemp(menu->getGroupEditIndex(gid)), QVariant("170"));

        // A default outside the list stands for the first member, which
        // stays the default after the re-sort.
        menu->saveGroupEdit(mains, namesList({"Mains"}), 4);
        menu->groupEditAddProduct(mains, menu->getProductEditIndex(1));
        QCOMPARE(membersOf(menu, mains), (QStringList{"1", "5"}));
        QCOMPARE(defaultOf(menu, mains), 1);

        const QList<QVariantMap> groups = rowsOf(menu->groupsEditModel());
        QTest::ignoreMessage(QtWarningMsg, "Menu edit: no group with id 77 to add a product to; nothing changed");
        menu->groupEditAddProduct(77, 0);
        QTest::ignoreMessage(QtWarningMsg, "Menu edit: no product row 8 to add to group 3; nothing changed");
        menu->groupEditAddProduct(sides, 8);
        QTest::ignoreMessage(QtWarningMsg, "Menu edit: no group with id 77 to save; nothing changed");
        menu->saveGroupEdit(77, namesList({"Ghost"}), 0);
        QCOMPARE(rowsOf(menu->groupsEditModel()), groups);
    }

    void savingTheCopiesWritesTheMenuOnce_data()
    {
        QTest::addColumn<QString>("iotType");
        QTest::addColumn<bool>("notified");
        QTest::newRow("cloud agent") << "DEZ_ORAAWS" << true;
        QTest::newRow("RIOT") << "DEZ_RIOT" << false;
    }

    void savingTheCopiesWritesTheMenuOnce()
    {
        QFETCH(QString, iotType);
        QFETCH(bool, notified);
        SavedMenuEditor editor;
        QVERIFY(editor.ready);
        MenuManager *menu = editor.menu;
        editor.cabinet.config->iotType = iotType;
        editor.cabinet.translator->set_languageId(1);
        menu->initializeEditDataModels();
        QSignalSpy updated(menu, &MenuManager::notifyMenuUpdated);
        KivClock::freezeAt(1700000000999);

        menu->saveEditModel();
        KivClock::useSystemClock();
        QCOMPARE(idsOf(menu->productsModel()), (QList<int>{0, 1, 2, 4, 6, 5, sides, mains}));
        QCOMPARE(menu->getProductName(0, 1), QVariant("Fries"));
        QCOMPARE(menu->productsModel()->index(1, 0).data(MenuRoles::Name), QVariant("Patatas fritas"));
        QCOMPARE(updated.count(), notified ? 1 : 0);
        if (notified)
            QCOMPARE(updated.first(), (QVariantList{"1700000000", 1, true}));

        QTRY_COMPARE(editor.cabinet.calls, savedAndSent);
        QCOMPARE(QJsonDocument::fromJson(editor.root.readFile("/root/menu.json")),
                 QJsonDocument::fromJson(fixture("savedMenu.json")));
    }

    void editsReachTheMenuOnlyWhenSaved()
    {
        SavedMenuEditor editor;
        QVERIFY(editor.ready);
        MenuManager *menu = editor.menu;
        const QList<QVariantMap> loaded = rowsOf(menu->productsModel());

        const int eggs = saveProduct(menu, 0, "Eggs", 170, 190, "Solid", "1/3", 80);
        const int breakfast = menu->addNewEditGroup();
        menu->groupEditAddProduct(breakfast, menu->getProductEditIndex(eggs));
        menu->groupEditAddProduct(breakfast, menu->getProductEditIndex(5));
        menu->saveGroupEdit(breakfast, namesList({"Breakfast"}), 1);
        menu->deleteProductFromEdit(menu->getProductEditIndex(6));
        QCOMPARE(rowsOf(menu->productsModel()), loaded);
        QVERIFY(editor.cabinet.calls.isEmpty());

        // Leaving without saving: the next opening starts from the menu.
        menu->initializeEditDataModels();
        QCOMPARE(idsOf(menu->productsEditModel()), (QList<int>{1, 2, 4, 6, 5}));
        QCOMPARE(menu->getGroupEditRowCount(), 2);

        QCOMPARE(saveProduct(menu, 0, "Eggs", 170, 190, "Solid", "1/3", 80), eggs);
        QCOMPARE(menu->addNewEditGroup(), breakfast);
        menu->groupEditAddProduct(breakfast, menu->getProductEditIndex(eggs));
        menu->groupEditAddProduct(breakfast, menu->getProductEditIndex(5));
        menu->saveGroupEdit(breakfast, namesList({"Breakfast"}), 1);
        menu->deleteProductFromEdit(menu->getProductEditIndex(6));
        menu->saveEditModel();
        QTRY_COMPARE(editor.cabinet.calls, savedAndSent);

        FakeCabinet restarted;
        MenuManager *reloaded = restarted.load();
        QCOMPARE(idsOf(reloaded->productsModel()), (QList<int>{0, 1, 2, 4, 5, eggs, sides, mains, breakfast}));
        QCOMPARE(reloaded->getProductName(eggs), QVariant("Eggs"));
        QCOMPARE(reloaded->getProductLidType(reloaded->getProductIndex(eggs)), QVariant("Solid"));
        QCOMPARE(reloaded->getProductGroupPList(breakfast), QVariant(QStringList{QString::number(eggs), "5"}));
        QCOMPARE(reloaded->getProductGroupsDefault(breakfast), QVariant(1));
        QCOMPARE(reloaded->getProductGroupPList(sides), QVariant(QStringList{"1", "2", "4"}));
        QCOMPARE(reloaded->getProductName(breakfast), QVariant("Breakfast"));
        QCOMPARE(reloaded->productsModel()->index(8, 0).data(MenuRoles::TargetFanSpeed), QVariant(80));
    }

    void aMenuWithoutTheEmptyProductDoesNotGrow()
    {
        TempRoot root;
        QVERIFY(root.writeFile("/root/menu.json", menuWith({1, 2}, {}, false)));
        FakeCabinet cabinet;
        MenuManager *menu = cabinet.load();
        for (int save = 0; save < 2; ++save) {
            menu->initializeEditDataModels();
            menu->saveEditModel();
            QCOMPARE(idsOf(menu->productsModel()), (QList<int>{1, 2}));
        }
        QTRY_COMPARE(cabinet.calls, savedAndSent + savedAndSent);
        FakeCabinet restarted;
        QCOMPARE(idsOf(restarted.load()->productsModel()), (QList<int>{1, 2}));
    }

    void theScreensCallTheEditSlots()
    {
        SavedMenuEditor editor;
        QVERIFY(editor.ready);
        MenuManager *menu = editor.menu;
        QQmlEngine engine;
        menu->publishTo(engine.rootContext());

        // As the editors call them: names as script arrays, ids as numbers.
        QQmlExpression script(engine.rootContext(), nullptr,
                              "(function() {"
                              "  var names = ['Eggs', 'Huevos'];"
                              "  var id = menuManager.saveProductEdit(0, names, 600, 300, 150, 170, 120,"
                              "                                       'Solid', 'Normal', '1/3', 40, '#ff0000');"
                              "  var gid = menuManager.addNewEditGroup();"
                              "  menuManager.groupEditAddProduct(gid, menuManager.getProductEditIndex(id));"
                              "  menuManager.saveGroupEdit(gid, ['Breakfast', 'Desayuno'], 0);"
                              "  return gid;"
                              "})()");
        const QVariant gid = script.evaluate();
        QVERIFY2(!script.hasError(), qPrintable(script.error().toString()));
        QCOMPARE(gid.toInt(), 1073741826);
        QCOMPARE(menu->getProductEditNameList(menu->getProductEditIndex(7)), QVariant(QStringList{"Eggs", "Huevos"}));
        QCOMPARE(menu->getGroupEditNameList(2), QVariant(QStringList{"Breakfast", "Desayuno"}));
        QCOMPARE(membersOf(menu, 1073741826), QStringList{"7"});
    }

    void timerColours()
    {
        QObject cabinet;
        MenuManager menu(&cabinet);
        const QList<QObject *> colors = menu.timerColorsDataList();
        QCOMPARE(colors.size(), 81);
        auto entry = [&](int i) {
            auto *c = qobject_cast<TimerColorsData *>(colors.at(i));
            return c ? c->getForeColor() + "/" + c->getBackColor() : QString();
        };
        QCOMPARE(entry(0), QStringLiteral("#fffffd/#fffffd"));
        QCOMPARE(entry(9), QStringLiteral("#a0a0a0/#402100"));
        QCOMPARE(entry(53), QStringLiteral("#000000/#c0c0ff"));
        QCOMPARE(entry(62), QStringLiteral("#000000/#f4c0ff"));
        QCOMPARE(entry(80), QStringLiteral("#000000/#ffffff"));
        QCOMPARE(menu.getProductTimerForeColor("#ffffff"), QVariant("#000000"));
        QCOMPARE(menu.getProductTimerForeColor("#FFFFFF"), QVariant(QString()));
        QCOMPARE(menu.getProductTimerForeColor("#fffffd"), QVariant("#fffffd"));
        QCOMPARE(menu.getProductTimerForeColor("#3030ff"), QVariant("#a0a0a0"));
    }

    void publishesItsModelsToTheScreens()
    {
        QObject cabinet;
        MenuManager menu(&cabinet);
        QQmlEngine engine;
        menu.publishTo(engine.rootContext());
        QQmlContext *context = engine.rootContext();
        QCOMPARE(context->contextProperty("menuManager").value<QObject *>(), &menu);
        QCOMPARE(context->contextProperty("productsModel").value<QObject *>(), menu.productsModel());
        QCOMPARE(context->contextProperty("productsEditModel").value<QObject *>(), menu.productsEditModel());
        QCOMPARE(context->contextProperty("groupsEditModel").value<QObject *>(), menu.groupsEditModel());
        QCOMPARE(context->contextProperty("dayPartsEditModel").value<QObject *>(), menu.dayPartsEditModel());
        QCOMPARE(context->contextProperty("timerColorsDataList").value<QList<QObject *>>().size(), 81);
    }

    void roleItemModelReadsRowsAsMaps()
    {
        RoleItemModel model({{257, "id"}, {258, "name"}});
        QVERIFY(!model.parent());
        auto *item = new QStandardItem;
        item->setData(5, 257);
        item->setData("Eggs", 258);
        model.appendRow(item);
        model.appendRow(new QStandardItem); // a row without data
        QCOMPARE(model.getXYZ(0), (QVariantMap{{"id", 5}, {"name", "Eggs"}}));
        const QVariantMap outside = RoleItemModel::getModelData(&model, 3);
        QCOMPARE(outside.keys(), (QStringList{"id", "name"}));
        QVERIFY(!outside.value("id").isValid() && !outside.value("name").isValid());
        QCOMPARE(model.getXYZ(1).size(), 2);
        QVERIFY(!model.getXYZ(1).value("name").isValid());
        QVERIFY(RoleItemModel::getModelData(nullptr, 0).isEmpty());
    }

    void smallValueTypes()
    {
        TimerColorsData colors("#000000", "#fffffd");
        QCOMPARE(colors.property("foreColor").toString(), QStringLiteral("#000000"));
        QCOMPARE(colors.property("backColor").toString(), QStringLiteral("#fffffd"));
        QCOMPARE(TimerColorsData().getForeColor(), QString());

        DPEditProductInfo info;
        QCOMPARE(info.get_pName(), QStringLiteral(" "));
        QCOMPARE(info.get_panSize(), 1);
        QSignalSpy panSize(&info, &DPEditProductInfo::panSizeChanged);
        QSignalSpy name(&info, &DPEditProductInfo::pNameChanged);
        info.set_panSize(1);
        QCOMPARE(panSize.count(), 0);
        info.set_panSize(2);
        info.set_panSize(2);
        QCOMPARE(panSize.count(), 1);
        info.set_pName("Eggs");
        QCOMPARE(name.count(), 1);
        QCOMPARE(name.at(0).at(0).toString(), QStringLiteral("Eggs"));
    }

    // ---- menu import ----

    void binaryRecordsBecomeTheMenu()
    {
        TempRoot root;
        QVERIFY(root.writeFile("/root/menu.json", fixture("menu.json")));
        FakeCabinet cabinet;
        cabinet.traysPerZone = 2;
        MenuManager *menu = cabinet.load();

        ProductTag fries = MenuToolFile::product(5, "Fries, large\nsalted", 420, 360, 170, 185);
        fries.lidCode = 3;
        fries.bottomCode = 0;
        fries.panSize = 2;
        ProductTag vented = MenuToolFile::product(7, "Nuggets", 900, 600, 160, 180);
        vented.lidCode = ProductTag::LidVented;
        vented.bottomCode = ProductTag::BottomFalse;
        ProductTag odd = MenuToolFile::product(8, "Not a record", 1, 1, 1, 1);
        odd.kind = 'x';
        ProductTag sides = MenuToolFile::group(1073741825, "Sides", {7, 9, 0, 11});
        sides.defaultIndex = 1;
        const ProductTag empty = MenuToolFile::group(1073741826, "Empty", {});
        menu->processTavolenProductsList({TavolenFileCodec::placeholderProduct(), fries, vented, odd, sides, empty});

        QCOMPARE(root.readFile("/root/productsList.txt"),
                 QByteArray("p,0,,0,0,0,185,None,Normal,1,0\n"
                            "p,5,Fries, large\nsalted,420,360,170,185,None,Normal,2,80\n"
                            "p,7,Nuggets,900,600,160,180,Vented,False,1,80\n"
                            "g,1073741825,Sides,170,2,None,1,7,9\n"
                            "g,1073741826,Empty,170,2,None,0,\n"));

        // The rows come from the records' fields: the name's "," and line
        // break move nothing.
        QCOMPARE(menu->getRowCount(), 5);
        const QVariantMap friesRow = RoleItemModel::getModelData(menu->productsModel(), menu->getProductIndex(5));
        QCOMPARE(friesRow.value("name").toString(), QStringLiteral("Fries, large\nsalted"));
        QCOMPARE(friesRow.value("holdTime").toInt(), 420);
        QCOMPARE(friesRow.value("warningTime").toInt(), 360);
        QCOMPARE(friesRow.value("upperTemp").toInt(), 170);
        QCOMPARE(friesRow.value("lidType").toString(), QStringLiteral("None"));
        QCOMPARE(friesRow.value("bottomType").toString(), QStringLiteral("Normal"));
        QCOMPARE(friesRow.value("panSize").toInt(), 2);
        QCOMPARE(friesRow.value("targetFanSpeed").toInt(), 80);
        QCOMPARE(menu->getProductLidType(menu->getProductIndex(7)), QVariant("Vented"));
        QCOMPARE(menu->getProductBottomType(menu->getProductIndex(7)), QVariant("False"));
        QCOMPARE(menu->getProductIndex(8), 0);
        QCOMPARE(menu->getProductGroupPList(1073741825), QVariant(QStringList{"7", "9"}));
        QCOMPARE(menu->getProductGroupsDefault(1073741825), QVariant(1));
        QCOMPARE(menu->getProductGroupPList(1073741826), QVariant(QStringList()));

        // Saved as "menu.json", which a restart reads back.
        QTRY_COMPARE(cabinet.calls, savedAndSent);
        QCOMPARE(rowsAfterRestart().size(), 5);
    }

    void binaryImportKeepsEveryEarlierList()
    {
        TempRoot root;
        QVERIFY(root.writeFile("/root/productsList.txt", "first\n"));
        FakeCabinet cabinet;
        MenuManager *menu = cabinet.load();
        const QList<Product_t> records{TavolenFileCodec::placeholderProduct(),
                                       MenuToolFile::product(5, "Fries", 420, 360, 170, 185)};
        menu->processTavolenProductsList(records);
        QVERIFY(root.writeFile("/root/productsList.txt", "second\n"));
        menu->processTavolenProductsList(records);

        QCOMPARE(root.readFile("/root/productsList.txt_1"), QByteArray("first\n"));
        QCOMPARE(root.readFile("/root/productsList.txt_2"), QByteArray("second\n"));
    }

    // A full disk stops the import before the menu changes.
    void binaryImportStopsWhenTheListCannotBeWritten()
    {
        TempRoot root;
        QVERIFY(root.writeFile("/root/menu.json", fixture("menu.json")));
        FakeCabinet cabinet;
        MenuManager *menu = cabinet.load();
        const QList<QVariantMap> before = rowsOf(menu->productsModel());

        QList<Product_t> records{TavolenFileCodec::placeholderProduct()};
        for (quint32 id = 1; id <= 200; ++id)
            records << MenuToolFile::product(id, "A product with a long name", 420, 360, 170, 185);
        MessageCatcher log;
        {
            FileSizeLimit full(1024);
            menu->processTavolenProductsList(records);
        }
        QVERIFY(log.contains("Unable to write " + root.filePath("/root/productsList.txt")));
        QCOMPARE(rowsOf(menu->productsModel()), before);
        QCOMPARE(root.readFile("/root/menu.json"), fixture("menu.json"));
        QVERIFY(!QFile::exists(root.filePath("/root/productsList.txt")));
        QTest::qWait(50);
        QVERIFY(cabinet.calls.isEmpty());
    }

    void jsonDocumentBecomesTheMenu()
    {
        TempRoot root;
        QVERIFY(root.writeFile("/root/menu.json", fixture("menu.json")));
        FakeCabinet cabinet;
        cabinet.traysPerZone = 2;
        MenuManager *menu = cabinet.load();

        const QJsonObject fries{{"productId", 5},
                                {"productName", QJsonObject{{"eng_USA", "Fries"}, {"spa", "Papas"}}},
                                {"holdingTime", 420}, {"warningTime", 360}, {"resetTime", 60},
                                {"lowerTemp", 160}, {"upperTemp", 180}, {"fanSpeed", 70},
                                {"lidType", "vented"}, {"bottomType", "False"}, {"zoneSplits", "1/1"},
                                {"timerColor", ""}, {"productLocked", true}};
        const QJsonObject nuggets{{"productId", 7}, {"productName", QJsonObject{{"eng_USA", "Nuggets"}}},
                                  {"lidType", "Solid"}, {"zoneSplits", 1}};
        const QJsonArray products{fries, nuggets, QJsonObject{{"productId", 0}},
                                  QJsonObject{{"productName", QJsonObject{{"eng_USA", "No id"}}}}};
        const QJsonObject sides{{"groupId", 1073741825}, {"groupName", QJsonObject{{"eng_USA", "Sides"}}},
                                {"lowerTemp", 150}, {"upperTemp", 190}, {"fanSpeed", 60}, {"lidType", "Vented"},
                                {"zoneSplits", "1/2"}, {"defaultProd", 1},
                                {"products", QJsonArray{QJsonObject{{"productId", 5}}, QJsonObject{{"productId", 5}}}}};
        const auto document = [&](const QJsonValue &version) {
            return QString::fromUtf8(QJsonDocument(QJsonObject{
                {"header", QJsonObject{{"menuVersion", version}, {"menuDescription", "Lunch"}}},
                {"menu", QJsonObject{{"products", products}, {"productGroups", QJsonArray{sides}}, {"layout", QJsonArray()}}},
            }).toJson());
        };

        // Only version 1, as a number or as a text, is read.
        const QList<QVariantMap> before = rowsOf(menu->productsModel());
        for (const QJsonValue &version : {QJsonValue(2), QJsonValue("12"), QJsonValue(1.5), QJsonValue()}) {
            menu->processTavolenJsonProducts(document(version));
            QCOMPARE(rowsOf(menu->productsModel()), before);
        }
        QTest::qWait(50);
        QVERIFY(cabinet.calls.isEmpty());

        menu->processTavolenJsonProducts(document("1"));
        QCOMPARE(menu->getRowCount(), 4);
        const QVariantMap empty = RoleItemModel::getModelData(menu->productsModel(), 0);
        QCOMPARE(empty.value("id"), QVariant("0"));
        QCOMPARE(empty.value("targetFanSpeed").toInt(), 100);
        QCOMPARE(empty.value("timerColor").toString(), QStringLiteral("#fffffd"));

        const QVariantMap f = RoleItemModel::getModelData(menu->productsModel(), 1);
        QCOMPARE(f.value("id").toInt(), 5);
        // Before the translator's first language: the English name.
        QCOMPARE(f.value("name").toString(), QStringLiteral("Fries"));
        QCOMPARE(f.value("namesList").toStringList().at(1), QStringLiteral("Papas"));
        QCOMPARE(f.value("holdTime").toInt(), 420);
        QCOMPARE(f.value("resetTime").toInt(), 60);
        QCOMPARE(f.value("lidType").toString(), QStringLiteral("None"));
        QCOMPARE(f.value("bottomType").toString(), QStringLiteral("False"));
        QCOMPARE(f.value("panSizeX").toString(), QStringLiteral("1/1"));
        QCOMPARE(f.value("panSize").toInt(), 2);
        QCOMPARE(f.value("timerColor").toString(), QString());
        QVERIFY(f.value("productLocked").toBool());

        const QVariantMap n = RoleItemModel::getModelData(menu->productsModel(), 2);
        QCOMPARE(n.value("lidType").toString(), QStringLiteral("Solid"));
        QCOMPARE(n.value("bottomType").toString(), QStringLiteral("Normal"));
        QCOMPARE(n.value("panSizeX").toString(), QString());
        QCOMPARE(n.value("panSize").toInt(), 1);
        QCOMPARE(n.value("timerColor").toString(), QStringLiteral("#fffffd"));

        const QVariantMap g = RoleItemModel::getModelData(menu->productsModel(), 3);
        QCOMPARE(g.value("groupID").toInt(), 1073741825);
        QCOMPARE(g.value("productList").toStringList(), (QStringList{"5", "5"}));
        QCOMPARE(g.value("default").toInt(), 1);
        QCOMPARE(g.value("bottomType").toString(), QStringLiteral("0"));
        QTRY_COMPARE(cabinet.calls, savedAndSent);

        cabinet.translator->setLanguage(1);
        menu->processTavolenJsonProducts(document(1));
        QCOMPARE(menu->getProductName(5), QVariant("Papas"));
        QCOMPARE(RoleItemModel::getModelData(menu->productsModel(), 2).value("name").toString(), QString());
    }
};

QTEST_MAIN(TestMenuManager)
#include "tst_menumanager.moc"
