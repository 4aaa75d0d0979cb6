#include "cabinetpersonality.h"
#include "kitchenfiles.h"
#include "simdisplayprocess.h"

#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <functional>

namespace {

using Field = SimDisplayProcess;

// Each display drives its own half of the 2x4 cabinet: the primary display
// zones 0 and 1 (bins 0-3), the secondary display zones 2 and 3 (bins 4-7).
QByteArray primaryPersonality()
{
    return cabinetPersonality("primaryWithSecondary", [](QJsonObject &p) {
        p["zones2handleStart"] = 0;
        p["zones2handle"] = 2;
    });
}

QByteArray secondaryPersonality()
{
    return cabinetPersonality("secondary", [](QJsonObject &p) {
        p["syncNeeded"] = false;
        p["zones2handleStart"] = 2;
        p["zones2handle"] = 2;
    });
}

// "zones 2=64 3=64": both zones of the secondary display carry the lost
// primary display among their error flags.
bool everyZoneLostThePrimary(const QString &answer)
{
    const QStringList zones = answer.mid(int(qstrlen("zones "))).split(' ', Qt::SkipEmptyParts);
    if (zones.size() != 2)
        return false;
    for (const QString &zone : zones)
        if (!(zone.section('=', 1).toUInt() & 64u))
            return false;
    return true;
}

} // namespace

// A primary and a secondary display of one cabinet as two processes on one
// virtual CAN bus, each with a simulated cook.
class TestTwoDisplays : public QObject
{
    Q_OBJECT

    QTemporaryDir m_canBus;

private slots:
    void initTestCase() { QVERIFY(m_canBus.isValid()); }

    // They find each other; a pan on the primary display's reader at a bin
    // the secondary display shows starts that bin's hold on both; when the
    // primary display stops, the secondary display reports the lost link
    // after more than 30 s of silence.
    void holdAcrossDisplaysAndLostPrimary()
    {
        SimDisplayProcess primary(QStringLiteral(KIVLFBSIM_BINARY), QStringLiteral("primary"));
        SimDisplayProcess secondary(QStringLiteral(KIVLFBSIM_BINARY), QStringLiteral("secondary"));
        QVERIFY(primary.prepare() && secondary.prepare());
        for (auto [display, personality] : {std::make_pair(&primary, primaryPersonality()),
                                            std::make_pair(&secondary, secondaryPersonality())}) {
            QVERIFY(display->root().writeFile("/root/cabinet.hcc", personality));
            QVERIFY(display->root().writeFile("/root/menu.json", KitchenFiles::menu()));
            QVERIFY(display->root().writeFile("/root/dayParts.json", KitchenFiles::dayParts()));
        }

        // The secondary display waits for the primary display's roll call.
        QVERIFY(secondary.start(m_canBus.path(), {"-simulation"}));
        QVERIFY(primary.start(m_canBus.path(), {"-simulation"}));
        QVERIFY(primary.waitFor("sync finished", 60000) >= 0);
        QVERIFY(secondary.waitFor("sync finished", 60000) >= 0);
        const QString primaryLink = primary.ask("link", "link: ");
        QCOMPARE(Field::field(primaryLink, "secondaryFound"), QStringLiteral("1"));
        QCOMPARE(Field::field(primaryLink, "synced"), QStringLiteral("1"));
        QCOMPARE(Field::field(primaryLink, "broken"), QStringLiteral("0"));
        QCOMPARE(Field::field(secondary.ask("link", "link: "), "synced"), QStringLiteral("1"));
        QCOMPARE(primary.find("error raised"), -1);

        // Bin 5 is shown by the secondary display only; its bar has eggs.
        const int bin = 5;
        const QString state = QStringLiteral("state %1").arg(bin);
        const QString answerPrefix = QStringLiteral("state bin=%1 ").arg(bin);
        QCOMPARE(Field::field(primary.ask(state, answerPrefix), "tray"), QStringLiteral("-"));
        QString answer;
        QVERIFY2(secondary.askUntil(state, answerPrefix, [](const QString &a) {
            return Field::field(a, "tray").split(',').contains("assigned");
        }, answer, 30000), qPrintable(answer));
        QVERIFY(!Field::field(answer, "tray").contains("holding"));

        // The primary display owns the readers: the pan goes on its reader.
        QVERIFY(primary.waitFor("readers ready", 60000) >= 0);
        const int placedFrom = primary.lines().size();
        primary.send(QStringLiteral("pan %1 %2 99").arg(bin).arg(KitchenFiles::kEggs));
        const int started = primary.waitFor(QStringLiteral("hold started bin=%1 ").arg(bin), 20000, placedFrom);
        QVERIFY(started >= 0);
        const QString startLine = primary.lines().at(started).text;
        QCOMPARE(Field::field(startLine, "method"), QStringLiteral("auto"));
        QCOMPARE(Field::field(startLine, "product"), QStringLiteral("Eggs"));

        // The secondary display's bar holds the full egg time, less what
        // has passed since.
        QVERIFY2(secondary.askUntil(state, answerPrefix, [](const QString &a) {
            return Field::field(a, "tray").split(',').contains("holding");
        }, answer, 10000), qPrintable(answer));
        const int barLeft = Field::field(answer, "remaining").toInt();
        QVERIFY2(barLeft > 880 && barLeft <= 900, qPrintable(answer));
        // The primary display's holding record of the bin, as the secondary
        // display reported it.
        QVERIFY2(primary.askUntil(state, answerPrefix, [](const QString &a) {
            const int activity = Field::field(a, "activity").toInt();
            return activity >= 2 && activity <= 5;
        }, answer, 10000), qPrintable(answer));
        QCOMPARE(Field::field(answer, "group").toInt(), KitchenFiles::kEggs);
        const int recordLeft = Field::field(answer, "recordRemaining").toInt();
        QVERIFY2(recordLeft > 880 && recordLeft <= 900, qPrintable(answer));

        // The primary display stops in order; the secondary display hears
        // nothing more.
        const int secondaryFrom = secondary.lines().size();
        const qint64 stoppedAt = SimDisplayProcess::clockMs();
        QVERIFY(primary.stop(SIGTERM));
        QCOMPARE(primary.exitStatus(), QProcess::NormalExit);
        QCOMPARE(primary.exitCode(), 0);
        QCOMPARE(secondary.find("link broken"), -1);
        QCOMPARE(secondary.find("error raised"), -1);

        const int broken = secondary.waitFor("link broken", 45000, secondaryFrom);
        QVERIFY(broken >= 0);
        // More than 30 s without a frame; the last one came at most a roll
        // call (1 s) before the stop.
        const qint64 silence = secondary.lines().at(broken).atMs - stoppedAt;
        QVERIFY2(silence > 29000 && silence < 40000, qPrintable(QString::number(silence)));
        const int raised = secondary.waitFor("error raised", 5000, secondaryFrom);
        QVERIFY(raised >= 0);
        QCOMPARE(secondary.lines().at(raised).text, QStringLiteral("error raised 4 1 0 0"));
        const int dialog = secondary.waitFor("dialog shown: ", 5000, secondaryFrom);
        QVERIFY(dialog >= 0);
        QVERIFY2(secondary.lines().at(dialog).text.endsWith("Primary UI communication loss."),
                 qPrintable(secondary.lines().at(dialog).text));
        // Every zone of the secondary display carries the lost primary.
        QVERIFY2(secondary.askUntil("zones", "zones ", everyZoneLostThePrimary, answer, 5000), qPrintable(answer));
        QCOMPARE(Field::field(secondary.ask("link", "link: "), "broken"), QStringLiteral("1"));
    }
};

QTEST_MAIN(TestTwoDisplays)
#include "tst_twodisplays.moc"
