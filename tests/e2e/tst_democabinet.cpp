#include "simdisplayprocess.h"

#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>

namespace {

using Field = SimDisplayProcess;

QByteArray demoFile(const QString &name)
{
    QFile file(QStringLiteral(KIV_DEMO_DIR "/") + name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Where the bars of the demo cabinet's zone 0 stand in an upright picture of
// its portrait screen (two bins side by side at the top).
const QPoint kBin0Centre(112, 74);

} // namespace

// The run command's cabinet, turned to portrait, as a person meets it: the
// simulated cook tells in its log what the bars show as they change, takes
// upright pictures of the screen and taps where a picture shows a bar.
class TestDemoCabinet : public QObject
{
    Q_OBJECT

    QTemporaryDir m_canBus;

private slots:
    void initTestCase() { QVERIFY(m_canBus.isValid()); }

    void whatTheCrewSeesIsLogged()
    {
        SimDisplayProcess display(QStringLiteral(KIVLFBSIM_BINARY), QStringLiteral("demo"));
        QVERIFY(display.prepare());
        for (const char *name : {"config.txt", "menu.json", "dayParts.json"})
            QVERIFY(display.root().writeFile(QStringLiteral("/root/") + name, demoFile(name)));
        QVERIFY(display.root().writeFile("/root/cabinet.hcc", demoFile("portrait.hcc")));
        QVERIFY(display.start(m_canBus.path(), {"-simulation"}));

        const int started = display.waitFor("started: ", 30000);
        QVERIFY(started >= 0);
        const QString start = display.lines().at(started).text;
        QVERIFY2(start.contains("primary display, portrait, 2 rows of 2 zones, bins 0,1,2,3,4,5,6,7 shown here"),
                 qPrintable(start));
        QVERIFY2(start.contains("root " + display.root().path() + ";"), qPrintable(start));
        QVERIFY(display.waitFor("preheating bin=0 product=Patty", 20000) >= 0);

        // The picture is the upright portrait screen, not the framebuffer.
        const QString shotFile = display.root().path() + "/preheating.png";
        const QString shot = display.ask("shot " + shotFile, "shot ", 20000);
        QCOMPARE(shot, QStringLiteral("shot %1 480x800").arg(shotFile));
        const QImage picture(shotFile);
        QCOMPARE(picture.size(), QSize(480, 800));

        // A tap where the picture shows bin 0 reaches bin 0's bar: for this
        // customer a touch ends preheating. The start-up sync message covers
        // the screen until the sync is over.
        QVERIFY(display.waitFor("sync finished", 60000) >= 0);
        const int beforeTap = display.lines().size();
        QCOMPARE(display.ask(QStringLiteral("click %1 %2").arg(kBin0Centre.x()).arg(kBin0Centre.y()), "click "),
                 QStringLiteral("click %1 %2").arg(kBin0Centre.x()).arg(kBin0Centre.y()));
        const int done = display.waitFor("preheat done ", 10000, beforeTap);
        QVERIFY2(done >= 0, qPrintable(display.tail()));
        QCOMPARE(display.lines().at(done).text, QStringLiteral("preheat done bin=0 product=Patty"));
        QCOMPARE(display.find("preheat done ", done + 1), -1);
        QVERIFY(display.ask("click 480 10", "error: ").contains("off the 480x800 screen"));

        // A chicken pan in a patty bin flashes a mismatch until it is gone.
        QVERIFY(display.waitFor("readers ready", 90000) >= 0);
        display.send("pan 1 14 9");
        const int mismatch = display.waitFor("mismatch bin=", 20000);
        QVERIFY(mismatch >= 0);
        QCOMPARE(display.lines().at(mismatch).text, QStringLiteral("mismatch bin=1 reason=Product Mismatch product=Patty"));
        display.send("nopan 1");
        QVERIFY(display.waitFor("mismatch cleared bin=1", 20000, mismatch) >= 0);

        // A pan taken off its reader during the hold.
        display.send("touch 4");
        display.send("pan 4 17 103");
        QVERIFY(display.waitFor("hold started bin=4 ", 20000) >= 0);
        display.send("nopan 4");
        const int off = display.waitFor("pan off reader bin=4 ", 20000);
        QVERIFY(off >= 0);
        const int left = Field::field(display.lines().at(off).text, "remaining").toInt();
        QVERIFY2(left > 880 && left <= 900, qPrintable(display.lines().at(off).text));

        // The short bacon hold: warning with its 15 s left, then discard.
        display.send("touch 6");
        display.send("pan 6 23 104");
        const int bacon = display.waitFor("hold started bin=6 ", 20000);
        QVERIFY(bacon >= 0);
        const int warning = display.waitFor("warning bin=6 ", 40000, bacon);
        QVERIFY(warning >= 0);
        const int warningLeft = Field::field(display.lines().at(warning).text, "remaining").toInt();
        QVERIFY2(warningLeft > 10 && warningLeft <= 15, qPrintable(display.lines().at(warning).text));
        QVERIFY(display.waitFor("discard bin=6 product=Bacon", 30000, warning) >= 0);

        // A hidden screen of the main window shown by its name, for its
        // picture: the keypad comes up over the holding screen.
        const QString before = display.root().path() + "/before.png";
        QVERIFY(!display.ask("shot " + before, "shot ", 20000).isEmpty());
        QCOMPARE(display.ask("show numericKeypad", "show "), QStringLiteral("show numericKeypad"));
        const QString after = display.root().path() + "/keypad.png";
        QVERIFY(!display.ask("shot " + after, "shot ", 20000).isEmpty());
        QVERIFY(QImage(before) != QImage(after));
        QVERIFY(display.ask("show noSuchScreen", "error: ").contains("no screen named \"noSuchScreen\""));

        QVERIFY(display.stop(SIGTERM));
        QCOMPARE(display.exitCode(), 0);
        QVERIFY(display.find("stopped") > warning);
    }
};

QTEST_MAIN(TestDemoCabinet)
#include "tst_democabinet.moc"
