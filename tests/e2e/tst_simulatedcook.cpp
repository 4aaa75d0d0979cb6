#include "cabinetscreen.h"
#include "simulatedcook.h"

#include <QPainter>
#include <QQuickItem>
#include <QQuickWindow>
#include <QtTest>

namespace {

QString pansText(const QVector<SimulatedCook::Pan> &pans)
{
    QStringList items;
    for (const SimulatedCook::Pan &p : pans)
        items << QStringLiteral("%1:%2:%3").arg(p.bin).arg(p.productId).arg(p.trayId);
    return items.join(QLatin1Char(','));
}

// A panel laid into an 800 x 480 window as the main window lays it: centred,
// then turned about its centre.
struct TurnedPanel
{
    QQuickItem window;
    QQuickItem panel;

    TurnedPanel(const QSize &size, qreal rotation)
    {
        window.setSize(QSizeF(800, 480));
        panel.setParentItem(&window);
        panel.setSize(size);
        panel.setPosition(QPointF((800 - size.width()) / 2.0, (480 - size.height()) / 2.0));
        panel.setTransformOrigin(QQuickItem::Center);
        panel.setRotation(rotation);
    }
};

// Records where presses land, in its own coordinates.
class PressRecorder : public QQuickItem
{
public:
    QVector<QPointF> presses;

    PressRecorder() { setAcceptedMouseButtons(Qt::LeftButton); }

protected:
    void mousePressEvent(QMouseEvent *event) override
    {
        presses << event->localPos();
        event->accept();
    }
};

} // namespace

// What the simulated cook reads from its command line and its standard
// input: the controller never sees the cook's options, and a line that is
// not a command is refused with a reason.
class TestSimulatedCook : public QObject
{
    Q_OBJECT

private slots:
    void options_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QStringList>("kept");
        QTest::addColumn<QString>("pans");
        QTest::addColumn<bool>("control");
        QTest::addColumn<bool>("atStart");

        QTest::newRow("the controller's options stay, in order")
            << QStringList{"kivlfbsim", "-simulation", "--control", "-idConnector3", "--pans", "1:12:77,3:14:5",
                           "-singledisplay", "--pans-at-start"}
            << true << QStringList{"kivlfbsim", "-simulation", "-idConnector3", "-singledisplay"}
            << "1:12:77,3:14:5" << true << true;
        QTest::newRow("--pans= and the largest ids") << QStringList{"p", "--pans=0:255:2147483647"} << true
                                                     << QStringList{"p"} << "0:255:2147483647" << false << false;
        QTest::newRow("a later --pans replaces an earlier one")
            << QStringList{"p", "--pans", "1:12:7", "--pans", "2:14:8"} << true << QStringList{"p"} << "2:14:8"
            << false << false;
        QTest::newRow("--pans without a value") << QStringList{"p", "-simulation", "--pans"} << false
                                                << QStringList() << "" << false << false;
        const char *const bad[] = {"1:12", "x:12:7", "-1:12:7", "1:256:7", "1:12:2147483648", "1:12:-1",
                                   "1:0:0", "1:12:7,", "1:12:7:9", "1 :12:7x"};
        for (const char *pans : bad)
            QTest::newRow(qPrintable(QStringLiteral("bad pans \"%1\"").arg(pans)))
                << QStringList{"p", "--pans", pans} << false << QStringList() << "" << false << false;
    }
    void options()
    {
        QFETCH(QStringList, arguments);
        QFETCH(bool, ok);
        SimulatedCook::Options options;
        QString error;
        const QStringList original = arguments;
        QCOMPARE(SimulatedCook::takeOptions(arguments, options, error), ok);
        if (!ok) {
            QVERIFY(!error.isEmpty());
            QCOMPARE(arguments, original);
            return;
        }
        QFETCH(QStringList, kept);
        QFETCH(QString, pans);
        QFETCH(bool, control);
        QFETCH(bool, atStart);
        QCOMPARE(arguments, kept);
        QCOMPARE(pansText(options.pans), pans);
        QCOMPARE(options.control, control);
        QCOMPARE(options.pansAtStart, atStart);
    }

    void commands_data()
    {
        using C = SimulatedCook::Command;
        QTest::addColumn<QString>("line");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("pan"); // bin:product:tray as parsed
        QTest::addColumn<QString>("error");

        QTest::newRow("pan") << "pan 5 17 99" << int(C::PlacePan) << "5:17:99" << "";
        QTest::newRow("spaces and tabs") << "  pan\t7   255 2147483647 " << int(C::PlacePan) << "7:255:2147483647" << "";
        QTest::newRow("nopan") << "nopan 0" << int(C::RemovePan) << "0:0:0" << "";
        QTest::newRow("touch") << "touch 3" << int(C::Touch) << "3:0:0" << "";
        QTest::newRow("state") << "state 7" << int(C::State) << "7:0:0" << "";
        QTest::newRow("link") << "link" << int(C::Link) << "0:0:0" << "";
        QTest::newRow("zones") << "zones" << int(C::Zones) << "0:0:0" << "";
        QTest::newRow("cabinets") << "cabinets" << int(C::Cabinets) << "0:0:0" << "";
        QTest::newRow("press") << "press 2" << int(C::Press) << "2:0:0" << "";
        QTest::newRow("pick") << "pick 0" << int(C::Pick) << "0:0:0" << "";
        QTest::newRow("negative pick") << "pick -1" << int(C::Invalid) << "" << "index must be 0 or more";
        QTest::newRow("cabinets with a bin") << "cabinets 1" << int(C::Invalid) << "" << "cabinets takes 0 argument(s)";
        QTest::newRow("product") << "product 1073741825" << int(C::Product) << "0:1073741825:0" << "";
        QTest::newRow("product past an int") << "product 2147483648" << int(C::Invalid) << ""
                                              << "product id must be 0 to 2147483647";
        QTest::newRow("export haccp") << "export haccp" << int(C::Export) << "0:0:0" << "";
        QTest::newRow("export errors") << "export errors" << int(C::Export) << "0:0:0" << "";
        QTest::newRow("export what") << "export menus" << int(C::Invalid) << "" << "export takes haccp or errors";
        QTest::newRow("export nothing") << "export" << int(C::Invalid) << "" << "export takes 1 argument(s)";
        QTest::newRow("empty line") << "   " << int(C::None) << "0:0:0" << "";
        QTest::newRow("shot") << "shot /tmp/a b.png" << int(C::Invalid) << "" << "shot takes 1 argument(s)";
        QTest::newRow("show without a name") << "show" << int(C::Invalid) << "" << "show takes 1 argument(s)";
        QTest::newRow("click without y") << "click 5" << int(C::Invalid) << "" << "click takes 2 argument(s)";
        QTest::newRow("click off any screen") << "click 10000 5" << int(C::Invalid) << "" << "x and y must be 0 to 9999";
        QTest::newRow("negative click") << "click 5 -1" << int(C::Invalid) << "" << "x and y must be 0 to 9999";

        QTest::newRow("bin past the cabinet") << "pan 8 17 99" << int(C::Invalid) << "" << "bin must be 0 to 7";
        QTest::newRow("negative bin") << "touch -1" << int(C::Invalid) << "" << "bin must be 0 to 7";
        QTest::newRow("hexadecimal bin") << "state 0x3" << int(C::Invalid) << "" << "bin must be 0 to 7";
        QTest::newRow("product past 8 bits") << "pan 5 256 1" << int(C::Invalid) << "" << "product id must be 0 to 255";
        QTest::newRow("negative tray") << "pan 5 17 -1" << int(C::Invalid) << "" << "tray id must be 0 to 2147483647";
        QTest::newRow("no pan at all") << "pan 5 0 0" << int(C::Invalid) << "" << "no pan";
        QTest::newRow("too few") << "pan 5 17" << int(C::Invalid) << "" << "pan takes 3 argument(s)";
        QTest::newRow("too many") << "link now" << int(C::Invalid) << "" << "link takes 0 argument(s)";
        QTest::newRow("unknown") << "fry 3" << int(C::Invalid) << "" << "unknown command \"fry\"";
        QTest::newRow("control characters are not echoed") << QString::fromUtf8("fr\x1b[2J\x01y 1") << int(C::Invalid) << ""
                                                           << "unknown command \"fr?[2J?y\"";
        QTest::newRow("verbs are lower case") << "PAN 5 17 99" << int(C::Invalid) << "" << "unknown command";
    }
    void commands()
    {
        QFETCH(QString, line);
        QFETCH(int, kind);
        QFETCH(QString, pan);
        QFETCH(QString, error);
        const SimulatedCook::Command c = SimulatedCook::parseCommand(line, 8);
        QCOMPARE(int(c.kind), kind);
        if (kind == SimulatedCook::Command::Invalid) {
            QVERIFY2(c.error.contains(error), qPrintable(c.error));
            return;
        }
        QVERIFY(c.error.isEmpty());
        QCOMPARE(pansText({c.pan}), pan);
    }

    void screenCommands()
    {
        const SimulatedCook::Command shot = SimulatedCook::parseCommand("shot /tmp/x/holding.png", 8);
        QCOMPARE(int(shot.kind), int(SimulatedCook::Command::Shot));
        QCOMPARE(shot.file, QStringLiteral("/tmp/x/holding.png"));
        // The transfer window's entries are not bins: no bound but zero.
        const SimulatedCook::Command pick = SimulatedCook::parseCommand("pick 12", 8);
        QCOMPARE(int(pick.kind), int(SimulatedCook::Command::Pick));
        QCOMPARE(pick.index, 12);
        const SimulatedCook::Command click = SimulatedCook::parseCommand("click 479 9999", 8);
        QCOMPARE(int(click.kind), int(SimulatedCook::Command::Click));
        QCOMPARE(click.point, QPoint(479, 9999));
        const SimulatedCook::Command show = SimulatedCook::parseCommand("show alphakb", 8);
        QCOMPARE(int(show.kind), int(SimulatedCook::Command::Show));
        QCOMPARE(show.file, QStringLiteral("alphakb"));
        const SimulatedCook::Command exported = SimulatedCook::parseCommand("export errors", 8);
        QCOMPARE(int(exported.kind), int(SimulatedCook::Command::Export));
        QCOMPARE(exported.file, QStringLiteral("errors"));
    }

    // A picture comes out upright whichever way the panel is turned into
    // the framebuffer: the corner of the window that shows the panel's
    // top-left corner is marked, and the mark must come out top left.
    void upright_data()
    {
        QTest::addColumn<QSize>("panel");
        QTest::addColumn<qreal>("rotation");
        QTest::addColumn<QRect>("markInWindow");
        QTest::newRow("landscape") << QSize(800, 480) << 0.0 << QRect(0, 0, 40, 40);
        QTest::newRow("landscape, flipped") << QSize(800, 480) << 180.0 << QRect(760, 440, 40, 40);
        QTest::newRow("portrait") << QSize(480, 800) << 270.0 << QRect(0, 440, 40, 40);
        QTest::newRow("portrait, flipped") << QSize(480, 800) << 450.0 << QRect(760, 0, 40, 40);
    }
    void upright()
    {
        QFETCH(QSize, panel);
        QFETCH(qreal, rotation);
        QFETCH(QRect, markInWindow);
        TurnedPanel turned(panel, rotation);
        QImage window(800, 480, QImage::Format_RGB32);
        window.fill(Qt::white);
        QPainter(&window).fillRect(markInWindow, Qt::red);

        const QImage picture = CabinetScreen::upright(window, CabinetScreen::panelToWindow(turned.panel), panel);
        QCOMPARE(picture.size(), panel);
        const auto red = [&](int x, int y) { return QColor(picture.pixel(x, y)) == QColor(Qt::red); };
        QVERIFY(red(5, 5));
        QVERIFY(red(34, 34));
        QVERIFY(!red(45, 5));
        QVERIFY(!red(5, 45));
        QVERIFY(!red(panel.width() - 5, panel.height() - 5));
    }

    // A tap given in the upright picture's coordinates lands on that point
    // of the turned panel; a point off the panel is refused.
    void tapLandsWherePointed()
    {
        QQuickWindow window;
        window.setObjectName(QStringLiteral("kivDisplay"));
        window.resize(800, 480);
        auto *panel = new QQuickItem;
        panel->setObjectName(QStringLiteral("mainPanel"));
        panel->setParent(&window);
        panel->setParentItem(window.contentItem());
        panel->setSize(QSizeF(480, 800));
        panel->setPosition(QPointF(160, -160));
        panel->setTransformOrigin(QQuickItem::Center);
        panel->setRotation(270);
        auto *recorder = new PressRecorder;
        recorder->setParentItem(panel);
        recorder->setSize(panel->size());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        QCOMPARE(CabinetScreen::window(), &window);
        QString error;
        QVERIFY2(CabinetScreen::tap(QPointF(30, 700), error), qPrintable(error));
        QCOMPARE(recorder->presses.size(), 1);
        QVERIFY2(QLineF(recorder->presses.first(), QPointF(30, 700)).length() < 1.5,
                 qPrintable(QStringLiteral("landed at %1,%2").arg(recorder->presses.first().x()).arg(recorder->presses.first().y())));

        QVERIFY(!CabinetScreen::tap(QPointF(500, 10), error));
        QVERIFY2(error.contains("480x800"), qPrintable(error));
        QCOMPARE(recorder->presses.size(), 1);
    }
};

QTEST_MAIN(TestSimulatedCook)
#include "tst_simulatedcook.moc"
