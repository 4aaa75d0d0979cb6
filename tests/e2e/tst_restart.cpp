#include "cabinetpersonality.h"
#include "kitchenfiles.h"
#include "simdisplayprocess.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>

namespace {

using Field = SimDisplayProcess;

const int kBin = 1;
const int kTray = 77;
const int kDownMs = 6000;

// The bin's record in the holding file as it is on disk now.
QJsonObject storedRecord(const TempRoot &root, int bin)
{
    const QJsonObject file = QJsonDocument::fromJson(root.readFile("/root/trayBarInfo.json")).object();
    for (const QJsonValue &v : file.value("trayBarInfo").toArray())
        if (v.toObject().value("binNumber").toInt() == bin)
            return v.toObject();
    return QJsonObject();
}

} // namespace

// A primary display alone in its cabinet, stopped during a hold and started
// again in the same root with the pan still on its reader.
class TestRestart : public QObject
{
    Q_OBJECT

    QTemporaryDir m_canBus;

private slots:
    void initTestCase() { QVERIFY(m_canBus.isValid()); }

    void holdComesBackWithTheTimeLeft_data()
    {
        QTest::addColumn<int>("stopSignal");
        QTest::newRow("orderly stop (SIGTERM)") << int(SIGTERM);
        QTest::newRow("power cut (SIGKILL)") << int(SIGKILL);
    }

    // The hold comes back with the time that passed while the controller
    // was down taken off, and the pan that lay there all along is not a new
    // hold. A new pan after the restart still starts one.
    void holdComesBackWithTheTimeLeft()
    {
        QFETCH(int, stopSignal);
        SimDisplayProcess display(QStringLiteral(KIVLFBSIM_BINARY), QStringLiteral("primary"));
        QVERIFY(display.prepare());
        QVERIFY(display.root().writeFile("/root/cabinet.hcc", cabinetPersonality("alone")));
        QVERIFY(display.root().writeFile("/root/menu.json", KitchenFiles::menu()));
        QVERIFY(display.root().writeFile("/root/dayParts.json", KitchenFiles::dayParts()));

        QVERIFY(display.start(m_canBus.path(), {"-simulation"}));
        QVERIFY(display.waitFor("readers ready", 90000) >= 0);
        display.send(QStringLiteral("pan %1 %2 %3").arg(kBin).arg(KitchenFiles::kPatty).arg(kTray));
        const int started = display.waitFor(QStringLiteral("hold started bin=%1 ").arg(kBin), 20000);
        QVERIFY(started >= 0);
        const QString pan = Field::field(display.lines().at(started).text, "pan");

        // The hold is on disk (the power cut comes after the safe write).
        QVERIFY2(QTest::qWaitFor([&] {
            const QJsonObject r = storedRecord(display.root(), kBin);
            return r.value("holdActivity").toInt() >= 2 && r.value("groupId").toInt() == KitchenFiles::kPatty;
        }, 10000), display.root().readFile("/root/trayBarInfo.json").constData());

        const QString state = QStringLiteral("state %1").arg(kBin);
        const QString answerPrefix = QStringLiteral("state bin=%1 ").arg(kBin);
        const QString before = display.ask(state, answerPrefix);
        const qint64 beforeAt = SimDisplayProcess::clockMs();
        QVERIFY2(Field::field(before, "tray").split(',').contains("holding"), qPrintable(before));
        const int leftBefore = Field::field(before, "remaining").toInt();
        QVERIFY2(leftBefore > 1700 && leftBefore <= 1800, qPrintable(before));

        QVERIFY(display.stop(stopSignal));
        if (stopSignal == SIGTERM) {
            QCOMPARE(display.exitStatus(), QProcess::NormalExit);
            QCOMPARE(display.exitCode(), 0);
        } else {
            QCOMPARE(display.exitStatus(), QProcess::CrashExit);
        }
        QTest::qWait(kDownMs);

        QVERIFY(display.start(m_canBus.path(), {"-simulation", "--pans",
                                                QStringLiteral("%1:%2:%3").arg(kBin).arg(KitchenFiles::kPatty).arg(kTray),
                                                "--pans-at-start"}));
        QVERIFY(display.waitFor("readers ready", 90000) >= 0);
        const QString after = display.ask(state, answerPrefix);
        const qint64 afterAt = SimDisplayProcess::clockMs();
        QVERIFY2(Field::field(after, "tray").split(',').contains("holding"), qPrintable(after));
        const int leftAfter = Field::field(after, "remaining").toInt();
        const int expected = leftBefore - int((afterAt - beforeAt + 500) / 1000);
        QVERIFY2(qAbs(leftAfter - expected) <= 2,
                 qPrintable(QStringLiteral("%1 left, %2 expected; before: %3").arg(leftAfter).arg(expected).arg(before)));
        const QString record = display.ask(state, answerPrefix);
        QCOMPARE(Field::field(record, "group").toInt(), KitchenFiles::kPatty);

        // Readers that go on reading take the pan as the one they knew: a
        // few more cycles start nothing, while a new pan elsewhere does.
        QTest::qWait(3000);
        QCOMPARE(display.find("hold started"), -1);
        const int chickenBin = 3;
        const int from = display.lines().size();
        display.send(QStringLiteral("pan %1 %2 55").arg(chickenBin).arg(KitchenFiles::kChicken));
        const int fresh = display.waitFor("hold started", 20000, from);
        QVERIFY(fresh >= 0);
        QCOMPARE(Field::field(display.lines().at(fresh).text, "bin").toInt(), chickenBin);
        QVERIFY(Field::field(display.lines().at(fresh).text, "pan") != pan);
        QCOMPARE(display.find("hold started"), fresh);

        QVERIFY(display.stop(SIGTERM));
        QCOMPARE(display.exitCode(), 0);
    }
};

QTEST_MAIN(TestRestart)
#include "tst_restart.moc"
