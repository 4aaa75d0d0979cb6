#include "menus/menufile.h"
#include "menus/menuroles.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QRegularExpression>
#include <QtTest>

// The menu's file formats, fed with bytes: "menu.json" and the older
// "productsList.txt".
class TestMenuFile : public QObject
{
    Q_OBJECT

private:
    using Row = MenuFile::Row;

    static QByteArray fixture(const QString &name)
    {
        QFile file(":/fixtures/" + name);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    static QList<Row> parse(const QByteArray &bytes, MenuFile::Context context = {3, 0})
    {
        QList<Row> rows;
        QString error;
        if (!MenuFile::parseMenuJson(bytes, context, &rows, &error))
            qWarning() << "unexpected parse failure:" << error;
        return rows;
    }

    static QStringList repeated(const QString &name)
    {
        QStringList list;
        for (int i = 0; i < 15; ++i)
            list << name;
        return list;
    }

    static QStringList names(const QString &english, int index = -1, const QString &other = QString())
    {
        QStringList list = repeated(QString());
        list[0] = english;
        if (index >= 0)
            list[index] = other;
        return list;
    }

    static QStringList sorted(QStringList list)
    {
        list.sort();
        return list;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(!fixture("menu.json").isEmpty());
        QVERIFY(!fixture("productsList.txt").isEmpty());
    }

    void readsProductsThenGroupsWithEveryField()
    {
        const QList<Row> rows = parse(fixture("menu.json"));
        QCOMPARE(rows.size(), 5);

        const Row &p12 = rows.at(1);
        QCOMPARE(p12.value(MenuRoles::Id).toInt(), 12);
        QCOMPARE(p12.value(MenuRoles::Name).toString(), QStringLiteral("Prod s12"));
        QCOMPARE(p12.value(MenuRoles::NamesList).toStringList(), names("Prod s12", 1, "Producto 12"));
        QCOMPARE(p12.value(MenuRoles::HoldTime).toInt(), 60);
        QCOMPARE(p12.value(MenuRoles::WarningTime).toInt(), 20);
        QCOMPARE(p12.value(MenuRoles::ResetTime).toInt(), 300);
        QCOMPARE(p12.value(MenuRoles::LowerTemp).toInt(), 150);
        QCOMPARE(p12.value(MenuRoles::UpperTemp).toInt(), 170);
        QCOMPARE(p12.value(MenuRoles::TargetFanSpeed).toInt(), 80);
        QCOMPARE(p12.value(MenuRoles::LidType).toString(), QStringLiteral("Solid"));
        QCOMPARE(p12.value(MenuRoles::BottomType).toString(), QStringLiteral("Normal"));
        QCOMPARE(p12.value(MenuRoles::PanSize).toInt(), 1);
        QCOMPARE(p12.value(MenuRoles::PanSizeX).toString(), QStringLiteral("1/3"));
        QCOMPARE(p12.value(MenuRoles::TimerColor).toString(), QStringLiteral("#ff0000"));
        QCOMPARE(p12.value(MenuRoles::ProductLocked).toBool(), true);
        QCOMPARE(p12.value(MenuRoles::GroupId), QVariant(QStringLiteral("0")));
        QCOMPARE(p12.value(MenuRoles::ProductList).toStringList(), QStringList());
        QCOMPARE(p12.value(MenuRoles::Default).toInt(), -1);
        QVERIFY(!MenuFile::isGroupRow(p12));
        QVERIFY(!p12.contains(MenuRoles::Abreviation));

        const Row &p7 = rows.at(3);
        QCOMPARE(p7.value(MenuRoles::PanSize).toInt(), 2);
        QCOMPARE(p7.value(MenuRoles::PanSizeX).toString(), QStringLiteral("2/3"));

        const Row &group = rows.at(4);
        QVERIFY(MenuFile::isGroupRow(group));
        QCOMPARE(group.value(MenuRoles::Id).toInt(), 1073741825);
        QCOMPARE(group.value(MenuRoles::GroupId).toInt(), 1073741825);
        QCOMPARE(group.value(MenuRoles::Name).toString(), QStringLiteral("Sides"));
        QCOMPARE(group.value(MenuRoles::ProductList).toStringList(), (QStringList{"5", "7"}));
        QCOMPARE(group.value(MenuRoles::Default).toInt(), 1);
        QCOMPARE(group.value(MenuRoles::TargetFanSpeed).toInt(), 60);
        QCOMPARE(group.value(MenuRoles::PanSize).toInt(), 2);
        QCOMPARE(group.value(MenuRoles::HoldTime).toInt(), 0);
        QCOMPARE(group.value(MenuRoles::BottomType), QVariant(QStringLiteral("0")));
        QVERIFY(!group.contains(MenuRoles::TimerColor));
    }

    void fillsWhatTheFileLeavesOut_data()
    {
        QTest::addColumn<int>("customerId");
        QTest::addColumn<int>("productZeroTemp");
        QTest::newRow("other customer") << 0 << 0;
        QTest::newRow("customer 3") << 3 << 185;
    }

    void fillsWhatTheFileLeavesOut()
    {
        QFETCH(int, customerId);
        QFETCH(int, productZeroTemp);
        const QList<Row> rows = parse(fixture("menu.json"), {3, customerId});

        // Product 0's temperatures never come from the file.
        QCOMPARE(rows.at(0).value(MenuRoles::LowerTemp).toInt(), productZeroTemp);
        QCOMPARE(rows.at(0).value(MenuRoles::UpperTemp).toInt(), productZeroTemp);

        // Product 5 has no "timerColor" or "productLocked", and its
        // "zoneSplits" is a number rather than a fraction text.
        const Row &p5 = rows.at(2);
        QCOMPARE(p5.value(MenuRoles::TimerColor).toString(), QStringLiteral("#fffffd"));
        QCOMPARE(p5.value(MenuRoles::ProductLocked), QVariant(false));
        QCOMPARE(p5.value(MenuRoles::PanSize).toInt(), 1);
        QCOMPARE(p5.value(MenuRoles::PanSizeX).toString(), QStringLiteral("1/3"));
        QCOMPARE(p5.value(MenuRoles::NamesList).toStringList(), names("Fries"));
    }

    void missingKeysAndWrongTypesReadAsEmpty()
    {
        const QByteArray bytes = R"({"menuVersion": 1, "products": [
            {"productId": 9},
            {"productId": 8, "holdingTime": "60", "lidType": 5, "productName": ["x"], "zoneSplits": "7/8",
             "productLocked": "yes", "timerColor": 3}
        ], "productGroups": [{"groupId": 4000, "products": [{"productId": "5"}, {}]}]})";
        const QList<Row> rows = parse(bytes);
        QCOMPARE(rows.size(), 3);

        const Row &bare = rows.at(0);
        QCOMPARE(bare.value(MenuRoles::HoldTime).toInt(), 0);
        QCOMPARE(bare.value(MenuRoles::LidType).toString(), QString());
        QCOMPARE(bare.value(MenuRoles::NamesList).toStringList(), repeated(QString()));
        QCOMPARE(bare.value(MenuRoles::PanSize).toInt(), 1);
        QCOMPARE(bare.value(MenuRoles::PanSizeX).toString(), QStringLiteral("1/3"));

        const Row &wrong = rows.at(1);
        QCOMPARE(wrong.value(MenuRoles::HoldTime).toInt(), 0);
        QCOMPARE(wrong.value(MenuRoles::LidType).toString(), QString());
        QCOMPARE(wrong.value(MenuRoles::Name).toString(), QString());
        // An unknown fraction is kept as written, with a one-bin pan.
        QCOMPARE(wrong.value(MenuRoles::PanSizeX).toString(), QStringLiteral("7/8"));
        QCOMPARE(wrong.value(MenuRoles::PanSize).toInt(), 1);
        QCOMPARE(wrong.value(MenuRoles::ProductLocked), QVariant(false));
        QCOMPARE(wrong.value(MenuRoles::TimerColor).toString(), QStringLiteral("#fffffd"));

        QCOMPARE(rows.at(2).value(MenuRoles::ProductList).toStringList(), (QStringList{"0", "0"}));
    }

    void entriesThatAreNotObjectsAreSkipped()
    {
        QTest::ignoreMessage(QtWarningMsg, "Menu file: products entry 0 is not an object; skipped");
        QTest::ignoreMessage(QtWarningMsg, "Menu file: productGroups entry 1 is not an object; skipped");
        const QList<Row> rows = parse(R"({"menuVersion": 1, "products": [3, {"productId": 2}],
                                         "productGroups": [{"groupId": 5}, "g"]})");
        QCOMPARE(rows.size(), 2);
        QCOMPARE(rows.at(0).value(MenuRoles::Id).toInt(), 2);
        QCOMPARE(rows.at(1).value(MenuRoles::Id).toInt(), 5);

        // Arrays that are not arrays give no rows; the document still loads.
        QList<Row> none;
        QString error;
        QVERIFY(MenuFile::parseMenuJson(R"({"menuVersion": 1, "products": {}, "productGroups": 4})", {}, &none, &error));
        QVERIFY(none.isEmpty());
    }

    void documentsThatMustNotReplaceTheMenu_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("reason");
        const QByteArray good = fixture("menu.json");
        QTest::newRow("truncated") << good.left(good.size() / 2) << "offset";
        QTest::newRow("empty") << QByteArray() << "offset";
        QTest::newRow("garbage") << QByteArray("\x00\xff{{", 4) << "offset";
        QTest::newRow("array") << QByteArray("[1, 2]") << "not a JSON object";
        QTest::newRow("version 2") << QByteArray(R"({"menuVersion": 2, "products": []})") << "menuVersion 2";
        QTest::newRow("version as text") << QByteArray(R"({"menuVersion": "1", "products": []})") << "menuVersion 1";
        QTest::newRow("no version") << QByteArray(R"({"products": []})") << "menuVersion";
    }

    void documentsThatMustNotReplaceTheMenu()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, reason);
        QList<Row> rows{Row{{MenuRoles::Id, 42}}};
        QString error;
        QVERIFY(!MenuFile::parseMenuJson(bytes, {3, 0}, &rows, &error));
        QVERIFY2(error.contains(reason), qPrintable(error));
        QCOMPARE(rows.size(), 1);
        QCOMPARE(rows.at(0).value(MenuRoles::Id).toInt(), 42);
    }

    void writesTheFileLayout()
    {
        const QByteArray bytes = MenuFile::toJson(parse(fixture("menu.json")));
        QVERIFY(bytes.startsWith("{\n    \""));  // indented
        const QJsonObject menu = QJsonDocument::fromJson(bytes).object();
        QCOMPARE(sorted(menu.keys()), (QStringList{"menuVersion", "productGroups", "products"}));
        QCOMPARE(menu.value("menuVersion"), QJsonValue(1));

        const QJsonArray products = menu.value("products").toArray();
        QCOMPARE(products.size(), 4);
        const QJsonObject p5 = products.at(2).toObject();
        QCOMPARE(sorted(p5.keys()),
                 sorted({"productId", "productName", "holdingTime", "warningTime", "lowerTemp", "upperTemp",
                         "fanSpeed", "resetTime", "zoneSplits", "timerColor", "productLocked", "lidType",
                         "bottomType"}));
        QCOMPARE(p5.value("productId"), QJsonValue(5));
        QCOMPARE(p5.value("holdingTime"), QJsonValue(7260));
        QCOMPARE(p5.value("zoneSplits"), QJsonValue("1/3"));
        QCOMPARE(p5.value("timerColor"), QJsonValue("#fffffd"));
        QCOMPARE(p5.value("productLocked"), QJsonValue(false));
        const QJsonObject p5Names = p5.value("productName").toObject();
        QCOMPARE(p5Names.size(), 15);
        QCOMPARE(p5Names.value("eng_USA"), QJsonValue("Fries"));
        QCOMPARE(p5Names.value("jpn"), QJsonValue(""));

        const QJsonArray groups = menu.value("productGroups").toArray();
        QCOMPARE(groups.size(), 1);
        const QJsonObject group = groups.at(0).toObject();
        QCOMPARE(sorted(group.keys()),
                 sorted({"groupName", "groupId", "zoneSplits", "lowerTemp", "upperTemp", "lidType",
                         "defaultProd", "fanSpeed", "products"}));
        QCOMPARE(group.value("groupId"), QJsonValue(1073741825));
        QCOMPARE(group.value("defaultProd"), QJsonValue(1));
        QCOMPARE(group.value("products"),
                 QJsonValue(QJsonArray{QJsonObject{{"productId", 5}}, QJsonObject{{"productId", 7}}}));
        QCOMPARE(group.value("groupName").toObject().value("spa"), QJsonValue("Guarniciones"));

        // No groups still writes the array.
        const QJsonObject noGroups = QJsonDocument::fromJson(MenuFile::toJson({parse(fixture("menu.json")).first()})).object();
        QCOMPARE(noGroups.value("productGroups"), QJsonValue(QJsonArray()));
    }

    void roundTripKeepsEveryRow()
    {
        const QList<Row> first = parse(fixture("menu.json"));
        const QList<Row> second = parse(MenuFile::toJson(first));
        QCOMPARE(second, first);
    }

    void namesListsAlwaysHaveFifteenLanguages()
    {
        const QStringList fromJson = MenuFile::namesFromJson(QJsonObject{{"eng_USA", "Eggs"}, {"kor", "K"}, {"xx", "?"}});
        QCOMPARE(fromJson, names("Eggs", 12, "K"));

        const QJsonObject written = MenuFile::namesToJson(fromJson);
        QCOMPARE(written.size(), 15);
        QCOMPARE(written.value("kor"), QJsonValue("K"));

        // A short list is padded rather than read past its end.
        const QJsonObject padded = MenuFile::namesToJson({"Eggs", "Huevos"});
        QCOMPARE(padded.size(), 15);
        QCOMPARE(padded.value("spa"), QJsonValue("Huevos"));
        QCOMPARE(padded.value("jpn"), QJsonValue(""));
    }

    void panSizesAndFractions_data()
    {
        QTest::addColumn<int>("traysPerZone");
        QTest::addColumn<int>("panSize");
        QTest::addColumn<QString>("fraction");
        QTest::addColumn<int>("sizeOfFraction");
        QTest::newRow("2: 1") << 2 << 1 << "1/2" << 1;
        QTest::newRow("2: 2") << 2 << 2 << "1/1" << 2;
        QTest::newRow("2: 4 is not listed") << 2 << 4 << "1/2" << 1;
        QTest::newRow("3: 1") << 3 << 1 << "1/3" << 1;
        QTest::newRow("3: 2") << 3 << 2 << "2/3" << 2;
        QTest::newRow("3: 3") << 3 << 3 << "1/1" << 3;
        QTest::newRow("4: 1") << 4 << 1 << "1/4" << 1;
        QTest::newRow("4: 2") << 4 << 2 << "1/2" << 2;
        QTest::newRow("4: 3") << 4 << 3 << "3/4" << 3;
        QTest::newRow("4: 4") << 4 << 4 << "1/1" << 4;
        QTest::newRow("4: 0") << 4 << 0 << "1/2" << 2;
        QTest::newRow("5 bins") << 5 << 1 << "1/2" << 1;
    }

    void panSizesAndFractions()
    {
        QFETCH(int, traysPerZone);
        QFETCH(int, panSize);
        QFETCH(QString, fraction);
        QFETCH(int, sizeOfFraction);
        QCOMPARE(MenuFile::panSizeToFraction(panSize, traysPerZone), fraction);
        QCOMPARE(MenuFile::panFractionToPanSize(fraction, traysPerZone), sizeOfFraction);
    }

    void fractionTextsOutsideTheTableGiveOneBin()
    {
        QCOMPARE(MenuFile::panFractionToPanSize("1/2", 3), 1);
        QCOMPARE(MenuFile::panFractionToPanSize("1/1 ", 3), 1);
        QCOMPARE(MenuFile::panFractionToPanSize("3/4", 3), 1);
        QCOMPARE(MenuFile::panFractionToPanSize("1/1", 0), 1);
    }

    void convertsTheOlderList_data()
    {
        QTest::addColumn<int>("customerId");
        QTest::newRow("other customer") << 0;
        QTest::newRow("customer 3") << 3;
    }

    void convertsTheOlderList()
    {
        QFETCH(int, customerId);
        const bool dez = customerId == 3;
        QTest::ignoreMessage(QtWarningMsg, "productsList.txt: line 5 is not a product or group; skipped");
        const QList<Row> rows = MenuFile::parseLegacyList(fixture("productsList.txt"), {3, customerId});
        // The comment, the unknown line and the empty lines give no rows:
        // only the one product 0 of the list is there.
        QCOMPARE(rows.size(), 5);
        QCOMPARE(rows.at(0).value(MenuRoles::Id).toString(), QStringLiteral("0"));
        QCOMPARE(rows.at(0).value(MenuRoles::LowerTemp).toInt(), dez ? 185 : 0);
        QCOMPARE(rows.at(0).value(MenuRoles::UpperTemp).toInt(), dez ? 185 : 0);

        const Row &burger = rows.at(1); // ten fields
        QCOMPARE(burger.value(MenuRoles::Id), QVariant(QStringLiteral("3")));
        QCOMPARE(burger.value(MenuRoles::Name).toString(), QStringLiteral("Burger"));
        QCOMPARE(burger.value(MenuRoles::NamesList).toStringList(), repeated("Burger"));
        QCOMPARE(burger.value(MenuRoles::HoldTime), QVariant(QStringLiteral("600")));
        QCOMPARE(burger.value(MenuRoles::WarningTime), QVariant(QStringLiteral("300")));
        QCOMPARE(burger.value(MenuRoles::UpperTemp), QVariant(QStringLiteral("170")));
        QCOMPARE(burger.value(MenuRoles::LowerTemp), QVariant(dez ? QStringLiteral("160") : QStringLiteral("170")));
        QCOMPARE(burger.value(MenuRoles::LidType).toString(), QStringLiteral("Solid"));
        QCOMPARE(burger.value(MenuRoles::BottomType).toString(), QStringLiteral("norm"));
        QCOMPARE(burger.value(MenuRoles::PanSize).toInt(), 2);
        QCOMPARE(burger.value(MenuRoles::PanSizeX).toString(), QStringLiteral("2/3"));
        QCOMPARE(burger.value(MenuRoles::TargetFanSpeed).toInt(), 100);
        QCOMPARE(burger.value(MenuRoles::ResetTime).toInt(), dez ? 0 : 300);
        QCOMPARE(burger.value(MenuRoles::TimerColor).toString(), QStringLiteral("#fffffd"));
        QCOMPARE(burger.value(MenuRoles::ProductLocked), QVariant(false));
        QCOMPARE(burger.value(MenuRoles::Default).toInt(), -1);
        QVERIFY(!MenuFile::isGroupRow(burger));

        QCOMPARE(rows.at(2).value(MenuRoles::TargetFanSpeed).toInt(), 70); // eleven fields

        const Row &mains = rows.at(3);
        QVERIFY(MenuFile::isGroupRow(mains));
        QCOMPARE(mains.value(MenuRoles::Id).toInt(), 2000);
        QCOMPARE(mains.value(MenuRoles::Name).toString(), QStringLiteral("!Mains"));
        QCOMPARE(mains.value(MenuRoles::NamesList).toStringList(), repeated("Mains"));
        QCOMPARE(mains.value(MenuRoles::LowerTemp).toInt(), 170);
        QCOMPARE(mains.value(MenuRoles::UpperTemp).toInt(), 170);
        QCOMPARE(mains.value(MenuRoles::PanSize).toInt(), 2);
        QCOMPARE(mains.value(MenuRoles::PanSizeX).toString(), QStringLiteral("2/3"));
        QCOMPARE(mains.value(MenuRoles::LidType).toString(), QStringLiteral("Solid"));
        QCOMPARE(mains.value(MenuRoles::ProductList).toStringList(), (QStringList{"4", "3", "99"}));
        QCOMPARE(mains.value(MenuRoles::Default).toInt(), 1);
        // The group takes the fan speed of its first member converted so far.
        QCOMPARE(mains.value(MenuRoles::TargetFanSpeed).toInt(), 70);
        QCOMPARE(mains.value(MenuRoles::BottomType), QVariant(QStringLiteral("0")));
        QCOMPARE(mains.value(MenuRoles::HoldTime).toInt(), 0);

        const Row &others = rows.at(4);
        QCOMPARE(others.value(MenuRoles::ProductList).toStringList(), QStringList{"42"});
        QCOMPARE(others.value(MenuRoles::Default).toInt(), 0);             // index 5 of one member
        QCOMPARE(others.value(MenuRoles::TargetFanSpeed).toInt(), 100);    // member unknown
    }

    void olderListLinesWithoutUsableIdsAreSkipped()
    {
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("line 1 is not a product or group"));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("line 2 is not a product or group"));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("line 3 is not a product or group"));
        const QList<Row> rows = MenuFile::parseLegacyList("p\np,abc,Name\nP,5,Upper\r\np,6,Short\r\n\n", {2, 0});
        QCOMPARE(rows.size(), 1);
        const Row &shortLine = rows.at(0);
        QCOMPARE(shortLine.value(MenuRoles::Name).toString(), QStringLiteral("Short"));
        // Fields the line lacks stay unset.
        QVERIFY(!shortLine.contains(MenuRoles::HoldTime));
        QVERIFY(!shortLine.contains(MenuRoles::PanSizeX));
    }

    void olderListRowsAreWrittenAsNumbers()
    {
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("line 5"));
        const QList<Row> rows = MenuFile::parseLegacyList(fixture("productsList.txt"), {3, 0});
        const QJsonObject menu = QJsonDocument::fromJson(MenuFile::toJson(rows)).object();
        const QJsonObject burger = menu.value("products").toArray().at(1).toObject();
        QCOMPARE(burger.value("productId"), QJsonValue(3));
        QCOMPARE(burger.value("holdingTime"), QJsonValue(600));
        QCOMPARE(burger.value("zoneSplits"), QJsonValue("2/3"));
        const QJsonObject mains = menu.value("productGroups").toArray().at(0).toObject();
        QCOMPARE(mains.value("groupId"), QJsonValue(2000));
        QCOMPARE(mains.value("zoneSplits"), QJsonValue("2/3"));
        QCOMPARE(mains.value("fanSpeed"), QJsonValue(70));
        QCOMPARE(mains.value("groupName").toObject().value("eng_USA"), QJsonValue("Mains"));
    }
};

QTEST_MAIN(TestMenuFile)
#include "tst_menufile.moc"
