#include "core/cabinetmanager.h"
#include "core/kivmetatypes.h"

#include "cabinetpersonality.h"
#include "temproot.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRandomGenerator>
#include <QtTest>

#include <csignal>
#include <cstring>
#include <memory>

namespace {

// A primary display alone in its cabinet (the 2x4 fixture), holding nothing.
QByteArray alonePersonality()
{
    return cabinetPersonality("alone");
}

// Child mode: a whole primary display that changes holds and saves them as
// fast as the safe-write chain lets it, until it is killed.
int savingChild(int argc, char **argv)
{
    QApplication app(argc, argv);
    KivMetaTypes::registerAll();
    CabinetManager cabinet(0, 0, nullptr);
    QElapsedTimer waited;
    waited.start();
    while (!cabinet.get_holdRestoreReady() && waited.elapsed() < 20000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    std::printf("ready\n");
    std::fflush(stdout);
    for (quint32 round = 1;; ++round) {
        trayInfo ti;
        ti.binNumber = quint8(round % 8);
        ti.holdActivity = 2;
        ti.groupId = 12;
        ti.remainingTime = qint32(1800 - round % 1800);
        ti.expectedTime = QDateTime::currentMSecsSinceEpoch() + 1800000;
        ti.processId = QDateTime::currentMSecsSinceEpoch();
        cabinet.updateTrayBarHoldingInfo(ti);
        cabinet.writeTrayBarHoldingInfo();
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
}

} // namespace

class TestHoldingPowerCut : public QObject
{
    Q_OBJECT

private slots:
    // The holding file is rewritten while the program is killed at random
    // moments, and started again on what it left: the file on disk is always
    // a whole document, and the next start restores from it.
    void killedWhileSavingLeavesAWholeFile()
    {
        TempRoot root;
        QVERIFY(root.writeFile("/root/cabinet.hcc", alonePersonality()));
        // Nothing of this machine is touched: no disk flush, no system bus,
        // no serial line.
        QVERIFY(root.addFakeTool("/bin/sync", "exit 0"));
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("KIV_ROOT", root.path());
        env.insert("KIV_CAN", "virtual");
        env.insert("KIV_VCAN_DIR", root.filePath("/run/vcan/can0"));
        env.insert("KIV_SERIAL_PORT", root.filePath("/dev/ttyNone"));
        env.insert("DBUS_SYSTEM_BUS_ADDRESS", "unix:path=" + root.filePath("/run/no-bus"));
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("QT_QUICK_BACKEND", "software");

        int sawFile = 0;
        for (int round = 0; round < 8; ++round) {
            QProcess child;
            child.setProcessEnvironment(env);
            child.setProcessChannelMode(QProcess::SeparateChannels);
            child.start(QCoreApplication::applicationFilePath(), {"--saving-child"});
            QVERIFY(child.waitForStarted(30000));
            QElapsedTimer t;
            t.start();
            while (!child.readAllStandardOutput().contains("ready") && t.elapsed() < 60000) {
                QVERIFY2(child.state() == QProcess::Running, "the display stopped on its own");
                child.waitForReadyRead(100);
            }
            QTest::qWait(int(QRandomGenerator::global()->bounded(20, 400)));
            ::kill(pid_t(child.processId()), SIGKILL);
            QVERIFY(child.waitForFinished(10000));

            const QByteArray bytes = root.readFile("/root/trayBarInfo.json");
            if (bytes.isEmpty())
                continue; // killed before the first save completed
            ++sawFile;
            QJsonParseError error;
            const QJsonDocument doc = QJsonDocument::fromJson(bytes, &error);
            QVERIFY2(error.error == QJsonParseError::NoError, qPrintable(error.errorString()));
            const QJsonArray records = doc.object().value("trayBarInfo").toArray();
            QCOMPARE(records.size(), 8);
            for (const QJsonValue &record : records)
                QVERIFY(record.toObject().contains("expectedTime"));
        }
        QVERIFY2(sawFile > 0, "no save ever completed");
    }
};

int main(int argc, char **argv)
{
    if (argc > 1 && std::strcmp(argv[1], "--saving-child") == 0)
        return savingChild(argc, argv);
    QCoreApplication app(argc, argv);
    TestHoldingPowerCut test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_holdingpowercut.moc"
