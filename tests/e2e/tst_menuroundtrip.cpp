// The menu's round trip through a USB stick, as a manager makes it: the
// primary display (built in this process, touched on its screen) exports its
// menu from the update screen, the document is edited on the stick, and the
// update screen imports it again. The edited product's digests change, the
// others' stay, and the secondary display of the cabinet (a kivlfbsim
// process on the same CAN bus) ends with the same menu and digests.
#include "core/cabinetmanager.h"
#include "core/kivmetatypes.h"
#include "core/mastersync.h"
#include "menus/menumanager.h"

#include "cabinetpersonality.h"
#include "cabinetscreen.h"
#include "displayenvironment.h"
#include "kitchenfiles.h"
#include "machinestates.h"
#include "screenitems.h"
#include "simdisplayprocess.h"
#include "temproot.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMap>
#include <QQuickItem>
#include <QQuickWindow>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>

namespace {

const int kFindMs = 5000;
const int kSyncMs = 60000;
const int kTransferMs = 30000;
// The start-up tasks (the look for a menu to import, the network probes)
// run in the first seconds; touches then may go astray.
const int kStartUpMs = 3000;
// The manager's code, which opens the update screen's pages.
const char kManagerCode[] = "527184";
const QString kStick = QStringLiteral("/media/sda1");

const int kEdited = KitchenFiles::kChicken;
const QList<int> kUntouched = {KitchenFiles::kPatty, KitchenFiles::kEggs};
const QString kNewName = QStringLiteral("Crispy Chicken");
const int kNewHoldSecs = 1500;

// The menu tool numbers the bins of this cabinet from the other row: the
// bin at position p is its bin kToolBins[p] + 1.
const QJsonArray kToolBins = {4, 5, 6, 7, 0, 1, 2, 3};

// Each display drives its own half of the 2x4 cabinet, whose zones hold
// two pans each. The primary display has its dock on the left: the way to
// the update screen starts there.
QByteArray primaryPersonality()
{
    return cabinetPersonality("primaryWithSecondary", [](QJsonObject &p) {
        p["singleBinZone"] = 0;
        p["productLocationMap"] = kToolBins;
        p["zones2handleStart"] = 0;
        p["zones2handle"] = 2;
        p["pressGoDockPosition"] = 0;
    });
}

QByteArray secondaryPersonality()
{
    return cabinetPersonality("secondary", [](QJsonObject &p) {
        p["singleBinZone"] = 0;
        p["syncNeeded"] = false;
        p["zones2handleStart"] = 2;
        p["zones2handle"] = 2;
    });
}

QJsonObject productIn(const QJsonArray &products, int id)
{
    for (const QJsonValue &p : products)
        if (p.toObject().value("productId").toInt() == id)
            return p.toObject();
    return QJsonObject();
}

QJsonArray productsOf(const QByteArray &menuFile)
{
    return QJsonDocument::fromJson(menuFile).object().value("products").toArray();
}

// The day parts of a day-part file, one text each: "<name> <inUse>
// <bin>:<productId> ...", the bins in order.
QStringList layoutOf(const QByteArray &dayPartsFile)
{
    QStringList dayParts;
    for (const QJsonValue &d : QJsonDocument::fromJson(dayPartsFile).object().value("layout").toArray()) {
        const QJsonObject dayPart = d.toObject();
        QMap<int, int> products;
        for (const QJsonValue &l : dayPart.value("productLocations").toArray())
            products.insert(l.toObject().value("bin").toInt(), l.toObject().value("productId").toInt());
        QStringList text{dayPart.value("daypartName").toObject().value("eng_USA").toString(),
                         dayPart.value("inUse").toBool() ? QStringLiteral("inUse") : QStringLiteral("unused")};
        for (auto it = products.cbegin(); it != products.cend(); ++it)
            text << QStringLiteral("%1:%2").arg(it.key()).arg(it.value());
        dayParts << text.join(QLatin1Char(' '));
    }
    return dayParts;
}

// A product's digests as one text, "md5=<hex> crc32=<hex>", as the
// secondary display reports them.
using Digests = QString;

Digests digests(const QString &md5, const QString &crc32)
{
    return QStringLiteral("md5=%1 crc32=%2").arg(md5, crc32);
}

Digests digestsOf(const MenuManager &menus, int id)
{
    return digests(QString::fromLatin1(menus.getProductMd5(id).toHex()), QString::number(menus.getProductCrc32(id), 16));
}

// What the secondary display's menu says of a product: "product id=..".
QString askProduct(SimDisplayProcess &display, int id)
{
    return display.ask(QStringLiteral("product %1").arg(id), QStringLiteral("product id=%1 ").arg(id));
}

Digests digestsIn(const QString &answer)
{
    return digests(SimDisplayProcess::field(answer, "md5"), SimDisplayProcess::field(answer, "crc32"));
}

// ---- touching the screen ----

// Where the picture of a lost way goes: the build's folder the test started
// in (the display changes the working folder).
QString &lostPicture()
{
    static QString file;
    return file;
}

QQuickItem *panel()
{
    return CabinetScreen::panel(CabinetScreen::window());
}

// The visible item of that name (or path "outer/inner") standing on the
// panel.
QQuickItem *findNow(const QString &path)
{
    return ScreenItems::findNow(panel(), path);
}

QQuickItem *find(const QString &path)
{
    QQuickItem *result = nullptr;
    return QTest::qWaitFor([&] { return (result = findNow(path)) != nullptr; }, kFindMs) ? result : nullptr;
}

// What a touch opened is placed when the next frame is prepared.
void nextFrame()
{
    QQuickWindow *w = CabinetScreen::window();
    bool drawn = false;
    QObject context;
    QObject::connect(w, &QQuickWindow::frameSwapped, &context, [&drawn] { drawn = true; });
    w->update();
    if (!QTest::qWaitFor([&drawn] { return drawn; }, kFindMs))
        qWarning("no frame drawn");
}

// A touch on the item, at the fractions x, y of its size.
bool tap(const QString &path, qreal x = 0.5, qreal y = 0.5)
{
    nextFrame();
    QQuickItem *item = find(path);
    if (!item) {
        // The picture shows where the way was lost.
        const QString file = lostPicture();
        bool saved = false;
        CabinetScreen::grab([&](const QImage &image) { saved = image.save(file); });
        qWarning("nothing to touch named %s; the screen is in %s", qPrintable(path),
                 QTest::qWaitFor([&] { return saved; }, kFindMs) ? qPrintable(file) : "no picture");
        return false;
    }
    const QPoint at = item->mapToScene(QPointF(item->width() * x, item->height() * y)).toPoint();
    QTest::mouseClick(item->window(), Qt::LeftButton, Qt::NoModifier, at);
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
    return true;
}

// The code typed on the PIN pad, then OK; the pad closes on a good code.
bool typeCode(const QString &code)
{
    for (const QChar digit : code)
        if (!tap(QStringLiteral("numericInputPanel/NumericInputEdit-") + digit))
            return false;
    return tap(QStringLiteral("numericInputPanel/NumericInputEdit-AcceptButton"))
        && QTest::qWaitFor([] { return !findNow(QStringLiteral("numericInputPanel")); }, kFindMs);
}

// The update screen's page moved into view and opened with the manager's
// code (a touch on the lock asks for it). The page list is moved by its
// own step to the next page, where a person would swipe.
bool openUpdatePage(const QString &page)
{
    QQuickItem *pages = find(QStringLiteral("updatePages"));
    if (!pages)
        return false;
    for (int i = 0; i < pages->property("count").toInt(); ++i) {
        if (pages->property("currentItem").value<QQuickItem *>()->objectName() == page)
            break;
        QMetaObject::invokeMethod(pages, "incrementCurrentIndex");
    }
    auto *current = pages->property("currentItem").value<QQuickItem *>();
    const bool settled = QTest::qWaitFor([pages, current] {
        return !pages->property("moving").toBool() && qAbs(pages->property("contentX").toReal() - current->x()) < 0.5;
    }, kFindMs);
    if (current->objectName() != page || !settled)
        return false;
    if (!current->property("itemLocked").toBool())
        return true;
    return tap(QStringLiteral("lockIcon")) && typeCode(QLatin1String(kManagerCode))
        && QTest::qWaitFor([current] { return !current->property("itemLocked").toBool(); }, kFindMs);
}

// The text of the update screen's result box, and the box closed as a
// person closes it; empty when no box comes up.
QString closeResultBox()
{
    QQuickItem *box = find(QStringLiteral("menuUpdateDialog"));
    if (!box)
        return QString();
    QString text;
    std::function<void(QQuickItem *)> read = [&](QQuickItem *item) {
        if (item->property("theText").isValid())
            text = item->property("theText").toString();
        for (QQuickItem *child : item->childItems())
            read(child);
    };
    read(box);
    return tap(QStringLiteral("menuUpdateDialog/closeButton"))
            && QTest::qWaitFor([] { return !findNow(QStringLiteral("menuUpdateDialog")); }, kFindMs)
        ? text
        : QString();
}

} // namespace

class TestMenuRoundTrip : public QObject
{
    Q_OBJECT

    DisplayEnvironment m_env;
    QTemporaryDir m_canBus;

private slots:
    void initTestCase()
    {
        KivMetaTypes::registerAll();
        lostPicture() = QDir::current().absoluteFilePath(QStringLiteral("tst_menuroundtrip-lost.png"));
        QVERIFY(m_env.start());
        QVERIFY(m_canBus.isValid());
    }

    void exportEditImport()
    {
        SimDisplayProcess secondary(QStringLiteral(KIVLFBSIM_BINARY), QStringLiteral("secondary"));
        QVERIFY(secondary.prepare());
        QVERIFY(secondary.root().writeFile("/root/cabinet.hcc", secondaryPersonality()));
        QVERIFY(secondary.root().writeFile("/root/menu.json", KitchenFiles::menu()));
        QVERIFY(secondary.root().writeFile("/root/dayParts.json", KitchenFiles::dayParts()));

        // The primary display works in this process's root, with a stick in
        // its USB port.
        TempRoot root;
        QVERIFY(root.writeFile("/root/cabinet.hcc", primaryPersonality()));
        QVERIFY(root.writeFile("/root/menu.json", KitchenFiles::menu()));
        QVERIFY(root.writeFile("/root/dayParts.json", KitchenFiles::dayParts()));
        QVERIFY(QDir().mkpath(root.filePath(kStick)));
        QVERIFY(root.addFakeTool("/bin/mount", "echo '/dev/sda1 on /media/sda1 type vfat (rw,relatime)'"));

        QVERIFY(secondary.start(m_canBus.path(), {"-simulation"}));
        qputenv("KIV_VCAN_DIR", m_canBus.path().toLocal8Bit());
        CabinetManager primary(7, 0, nullptr);
        auto *menus = primary.findChild<MenuManager *>(QStringLiteral("menuManager"));
        auto *sync = primary.findChild<MasterSync *>(QStringLiteral("syncMgr"));
        QVERIFY(menus && sync);
        QTRY_VERIFY_WITH_TIMEOUT(panel() && panel()->window()->isExposed(), 10000);
        // The pad's keys are typed into the active window.
        panel()->window()->requestActivate();
        QVERIFY(QTest::qWaitForWindowActive(panel()->window()));
        QVERIFY(secondary.waitFor("sync finished", kSyncMs) >= 0);
        QTRY_VERIFY_WITH_TIMEOUT(activeStateNames(*sync).contains(QStringLiteral("syncFinished")), kSyncMs);
        QTest::qWait(kStartUpMs);

        // Before: both displays digest every product alike.
        QHash<int, Digests> before;
        for (int id : kUntouched + QList<int>{kEdited}) {
            before[id] = digestsOf(*menus, id);
            QCOMPARE(digestsIn(askProduct(secondary, id)), before[id]);
        }
        const int editedRow = menus->getProductIndex(kEdited);
        QVERIFY(editedRow > 0);
        const QVariant panSize = menus->getProductPanSize(editedRow);
        const QByteArray menuBefore = root.readFile("/root/menu.json");
        const QStringList layoutBefore = layoutOf(root.readFile("/root/dayParts.json"));

        // Export, from the update screen's export page.
        QVERIFY(tap("homeButton"));
        QVERIFY(tap("updatesQuadrant"));
        QVERIFY(find("updatesListView"));
        QVERIFY(openUpdatePage("mcUsbExportItem"));
        QVERIFY(tap("mcUsbExportItem/checkDriveButton"));
        QVERIFY(tap("mcUsbExportItem/exportButton"));
        const QDir stick(root.filePath(kStick));
        QTRY_COMPARE_WITH_TIMEOUT(stick.entryList({"MENU_*.json"}, QDir::Files).size(), 1, kFindMs);
        const QString exported = kStick + QLatin1Char('/') + stick.entryList({"MENU_*.json"}, QDir::Files).first();

        // The document holds the menu the cabinet has, and its day parts.
        QJsonObject document = QJsonDocument::fromJson(root.readFile(exported)).object();
        QJsonObject exportedMenu = document.value("menu").toObject();
        QJsonArray products = exportedMenu.value("products").toArray();
        QCOMPARE(products.size(), productsOf(menuBefore).size());
        for (int id : kUntouched + QList<int>{kEdited}) {
            const QJsonObject p = productIn(products, id);
            QCOMPARE(p.value("productName").toObject().value("eng_USA").toString(), menus->getProductName(id).toString());
            QCOMPARE(p.value("holdingTime").toInt(), menus->getProductHoldTime(menus->getProductIndex(id)).toInt());
        }
        // The document numbers the bins as the menu tool does.
        const QJsonObject exportedLayout{{"layout", exportedMenu.value("layout")}};
        QCOMPARE(layoutOf(QJsonDocument(exportedLayout).toJson()),
                 QStringList{"All day inUse 1:17 2:17 3:12 4:12 5:12 6:12 7:14 8:14"});
        QCOMPARE(layoutBefore, QStringList{"All day inUse 1:12 2:12 3:14 4:14 5:17 6:17 7:12 8:12"});

        // Edited on the stick: the chicken gets another name and hold time.
        for (int i = 0; i < products.size(); ++i) {
            QJsonObject p = products.at(i).toObject();
            if (p.value("productId").toInt() != kEdited)
                continue;
            QJsonObject names = p.value("productName").toObject();
            names["eng_USA"] = kNewName;
            p["productName"] = names;
            p["holdingTime"] = kNewHoldSecs;
            products[i] = p;
        }
        exportedMenu["products"] = products;
        document["menu"] = exportedMenu;
        QVERIFY(root.writeFile(exported, QJsonDocument(document).toJson()));
        QCOMPARE(closeResultBox(), "Tavolen file exported: " + QFileInfo(exported).fileName());

        // Import, from the import page: the stick's files listed, the
        // document picked and accepted.
        QVERIFY(QMetaObject::invokeMethod(find("updatePages"), "decrementCurrentIndex"));
        QVERIFY(openUpdatePage("mcUsbUpdateItem"));
        QVERIFY(tap("mcUsbUpdateItem/refreshButton"));
        QVERIFY(tap("mcUsbUpdateItem/fileRow0"));
        QVERIFY(tap("mcUsbUpdateItem/acceptButton"));
        QCOMPARE(closeResultBox(), "Tavolen file imported: " + QFileInfo(exported).fileName());

        // The primary display's menu has the edit; only the chicken's
        // digests change, to those of its new name and hold time.
        QTRY_COMPARE_WITH_TIMEOUT(menus->getProductName(kEdited).toString(), kNewName, kFindMs);
        QCOMPARE(menus->getProductHoldTime(menus->getProductIndex(kEdited)).toInt(), kNewHoldSecs);
        QCOMPARE(menus->getProductPanSize(menus->getProductIndex(kEdited)), panSize);
        const QByteArray input = QByteArray::number(kEdited, 16) + kNewName.toLatin1()
            + QByteArray::number(kNewHoldSecs, 16) + QByteArray::number(panSize.toInt(), 16);
        QCOMPARE(menus->getProductMd5(kEdited), QCryptographicHash::hash(input, QCryptographicHash::Md5));
        const Digests edited = digestsOf(*menus, kEdited);
        QVERIFY(!edited.contains(before[kEdited].section(' ', 0, 0)));
        QVERIFY(!edited.contains(before[kEdited].section(' ', 1, 1)));
        for (int id : kUntouched)
            QCOMPARE(digestsOf(*menus, id), before[id]);
        QTRY_VERIFY_WITH_TIMEOUT(productIn(productsOf(root.readFile("/root/menu.json")), kEdited)
                                     .value("holdingTime").toInt() == kNewHoldSecs, kFindMs);
        // The day parts came back as they went out.
        QTRY_COMPARE_WITH_TIMEOUT(layoutOf(root.readFile("/root/dayParts.json")), layoutBefore, kFindMs);

        // The secondary display receives the files over CAN and reloads
        // them: the same menu, the same digests.
        QTRY_COMPARE_WITH_TIMEOUT(secondary.root().readFile("/root/menu.json"), root.readFile("/root/menu.json"), kTransferMs);
        QTRY_COMPARE_WITH_TIMEOUT(secondary.root().readFile("/root/dayParts.json"), root.readFile("/root/dayParts.json"),
                                  kTransferMs);
        QString answer;
        QVERIFY2(QTest::qWaitFor([&] {
            answer = askProduct(secondary, kEdited);
            return SimDisplayProcess::field(answer, "name") == kNewName;
        }, kTransferMs), qPrintable(answer));
        QCOMPARE(SimDisplayProcess::field(answer, "hold"), QString::number(kNewHoldSecs));
        QCOMPARE(digestsIn(answer), edited);
        for (int id : kUntouched)
            QCOMPARE(digestsIn(askProduct(secondary, id)), before[id]);
    }
};

QTEST_MAIN(TestMenuRoundTrip)
#include "tst_menuroundtrip.moc"
