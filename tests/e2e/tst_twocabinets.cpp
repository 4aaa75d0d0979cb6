#include "cabinetpersonality.h"
#include "kitchenfiles.h"
#include "simdisplayprocess.h"

#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <functional>
#include <unistd.h>

namespace {

using Field = SimDisplayProcess;

const QString kUnshare = QStringLiteral("/usr/bin/unshare");
const QString kNsenter = QStringLiteral("/usr/bin/nsenter");
const QString kIp = QStringLiteral("/usr/sbin/ip");

// The two cabinets' Wi-Fi: one segment, each cabinet's end named "wlan0"
// as on the target, with a hardware address and an address of its own.
struct CabinetLink
{
    const char *mac;
    const char *address;
};
const CabinetLink kLinkA{"02:00:00:25:25:0a", "10.25.25.1/24"};
const CabinetLink kLinkB{"02:00:00:25:25:0b", "10.25.25.2/24"};

const int kTray = 99;
const int kBinA = 0; // patties on A
const int kBinB = 1; // patties on B too
const int kChickenTray = 55;
const int kChickenBinA = 2; // chicken on A
const int kChickenBinB = 3; // chicken on B too

bool run(const QString &program, const QStringList &arguments, QString *output = nullptr)
{
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(program, arguments);
    const bool ok = p.waitForFinished(10000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
    if (output)
        *output = QString::fromLocal8Bit(p.readAll());
    return ok;
}

QString netNamespace(qint64 pid)
{
    return QFileInfo(QStringLiteral("/proc/%1/ns/net").arg(pid)).symLinkTarget();
}

// A network namespace of its own, held open by a process that waits on its
// input: it ends when the test closes that input, or dies, so no namespace
// outlives the test. The cabinet's process enters it through nsenter.
class SiteNamespace
{
public:
    ~SiteNamespace()
    {
        if (m_holder.state() != QProcess::NotRunning) {
            m_holder.kill();
            m_holder.waitForFinished(5000);
        }
    }

    bool start()
    {
        m_holder.start(kUnshare, {QStringLiteral("--net"), QStringLiteral("cat")});
        if (!m_holder.waitForStarted(5000))
            return false;
        const QString own = netNamespace(::getpid());
        return QTest::qWaitFor([&] {
            const QString ns = netNamespace(m_holder.processId());
            return !ns.isEmpty() && ns != own;
        }, 5000);
    }

    QString pid() const { return QString::number(m_holder.processId()); }

    bool ip(const QStringList &arguments, QString *output = nullptr) const
    {
        return run(kNsenter, QStringList{QStringLiteral("-t"), pid(), QStringLiteral("-n"), QStringLiteral("--"), kIp}
                                 + arguments,
                   output);
    }

    // kivlfbsim inside this namespace, with its arguments after these.
    QStringList enter() const
    {
        return {QStringLiteral("-t"), pid(), QStringLiteral("-n"), QStringLiteral("--"),
                QStringLiteral(KIVLFBSIM_BINARY), QStringLiteral("-simulation")};
    }

private:
    QProcess m_holder;
};

// The cabinet's own Wi-Fi end up, with its address and the subnet's
// broadcast address.
bool bringUp(const SiteNamespace &ns, const CabinetLink &link)
{
    return ns.ip({"link", "set", "lo", "up"}) && ns.ip({"addr", "add", link.address, "brd", "+", "dev", "wlan0"})
        && ns.ip({"link", "set", "wlan0", "up"});
}

// The holding list the other cabinet last sent, as "lists=" of the
// cabinets answer gives it: "<bin>/<product>/<seconds>,.." or "-".
QString heldBy(const QString &cabinetsAnswer, const QString &mac)
{
    const QStringList lists = Field::field(cabinetsAnswer, "lists").split(QLatin1Char(';'));
    for (const QString &list : lists)
        if (list.section(QLatin1Char('='), 0, 0).compare(mac, Qt::CaseInsensitive) == 0)
            return list.section(QLatin1Char('='), 1);
    return QString();
}

// The seconds left of bin's hold of product in such a list; -1 when absent.
int secondsHeld(const QString &held, int bin, int product)
{
    for (const QString &hold : held.split(QLatin1Char(','))) {
        const QStringList f = hold.split(QLatin1Char('/'));
        if (f.size() == 3 && f.at(0).toInt() == bin && f.at(1).toInt() == product)
            return f.at(2).toInt();
    }
    return -1;
}

bool holding(const QString &stateAnswer)
{
    return Field::field(stateAnswer, "tray").split(QLatin1Char(',')).contains(QStringLiteral("holding"));
}

QByteArray configFile(int cabinetIndex)
{
    // Wi-Fi is the cabinet network here, as on most sites. The pan-tag
    // lists go to the other cabinets with the AWS IoT type only (with the
    // RIoT type, the cabinet's default, they go to the IoT agent).
    return QStringLiteral("cabinetIndex=%1\ncabinetNameIndex=%1\nwifiEnabled=1\nethEnabled=0\niotType=DEZ_ORAAWS\n")
        .arg(cabinetIndex)
        .toUtf8();
}

// The site: two cabinets, each a primary display alone in its cabinet
// (its own root, virtual CAN bus, system bus and serial line), on one Wi-Fi
// segment. Each runs in a network namespace of its own whose "wlan0" is one
// end of a veth pair, so that broadcasts, the fixed ports 25252 and 55555
// and the hardware addresses are each cabinet's own, as on a real site.
struct Site
{
    SiteNamespace nsA;
    SiteNamespace nsB;
    QTemporaryDir canA;
    QTemporaryDir canB;
    SimDisplayProcess a{kNsenter, QStringLiteral("cabinet A")};
    SimDisplayProcess b{kNsenter, QStringLiteral("cabinet B")};

    QString stateA(int bin) { return a.ask(QStringLiteral("state %1").arg(bin), QStringLiteral("state bin=%1 ").arg(bin)); }
    QString stateB(int bin) { return b.ask(QStringLiteral("state %1").arg(bin), QStringLiteral("state bin=%1 ").arg(bin)); }
};

// Both cabinets up, their readers ready and each hearing both name beacons,
// its own among them.
void startSite(Site &site)
{
    QVERIFY(site.nsA.start() && site.nsB.start());
    QString output;
    QVERIFY2(run(kIp, {"link", "add", "name", "wlan0", "netns", site.nsA.pid(), "address", kLinkA.mac, "type", "veth",
                       "peer", "name", "wlan0", "netns", site.nsB.pid(), "address", kLinkB.mac},
                 &output),
             qPrintable(output));
    QVERIFY(bringUp(site.nsA, kLinkA) && bringUp(site.nsB, kLinkB));
    QVERIFY(site.canA.isValid() && site.canB.isValid());

    QVERIFY(site.a.prepare() && site.b.prepare());
    int index = 0;
    for (SimDisplayProcess *cabinet : {&site.a, &site.b}) {
        QVERIFY(cabinet->root().writeFile("/root/cabinet.hcc", cabinetPersonality("alone")));
        QVERIFY(cabinet->root().writeFile("/root/menu.json", KitchenFiles::menu()));
        QVERIFY(cabinet->root().writeFile("/root/dayParts.json", KitchenFiles::dayParts()));
        QVERIFY(cabinet->root().writeFile("/root/config.txt", configFile(index++)));
    }
    QVERIFY(site.a.start(site.canA.path(), site.nsA.enter()));
    QVERIFY(site.b.start(site.canB.path(), site.nsB.enter()));
    QVERIFY(site.a.waitFor("readers ready", 90000) >= 0);
    QVERIFY(site.b.waitFor("readers ready", 90000) >= 0);

    const QString names = QStringLiteral("Reserve Cabinet #1|Point-of-Use Cabinet #2");
    QString answer;
    for (SimDisplayProcess *cabinet : {&site.a, &site.b}) {
        QVERIFY2(cabinet->askUntil("cabinets", "cabinets: ", [](const QString &s) {
            return Field::field(s, "count") == QLatin1String("2");
        }, answer, 40000), qPrintable(answer));
        QCOMPARE(Field::field(answer, "connected"), QStringLiteral("1"));
        QCOMPARE(Field::field(answer, "names"), names);
    }
}

// A pan of product on A's reader at bin; its hold starts there and B
// learns of it from A's holding list. Some time on the hold passes, so that
// a restarted hold could not pass for a carried-over one; then the pan is
// taken off A's reader. The hold's seconds left then, and when.
void holdOnAThenTakeOff(Site &site, int bin, int product, int tray, int &left, qint64 &takenOffAt)
{
    int from = site.a.lines().size();
    site.a.send(QStringLiteral("pan %1 %2 %3").arg(bin).arg(product).arg(tray));
    QVERIFY(site.a.waitFor(QStringLiteral("hold started bin=%1 ").arg(bin), 20000, from) >= 0);
    QString answer;
    QVERIFY2(site.b.askUntil("cabinets", "cabinets: ", [&](const QString &s) {
        return secondsHeld(heldBy(s, kLinkA.mac), bin, product) > 0;
    }, answer, 20000), qPrintable(answer));

    QTest::qWait(5000);
    from = site.a.lines().size();
    site.a.send(QStringLiteral("nopan %1").arg(bin));
    const int off = site.a.waitFor(QStringLiteral("pan off reader bin=%1 ").arg(bin), 20000, from);
    QVERIFY(off >= 0);
    left = Field::field(site.a.lines().at(off).text, "remaining").toInt();
    takenOffAt = site.a.lines().at(off).atMs;
    // Away from its reader the hold goes on in A.
    QVERIFY(holding(site.stateA(bin)));
}

int leftNow(int left, qint64 at)
{
    return left - int((SimDisplayProcess::clockMs() - at) / 1000);
}

// After a hold moved from A's bin to B's: A holds nothing there, B holds it
// with the carried-over time, and the holding lists say the same: A sends
// none, B sends the bin with that time.
void holdingListsAgree(Site &site, int binA, int binB, int product, int left, qint64 takenOffAt)
{
    QString answer;
    QVERIFY2(site.b.askUntil(QStringLiteral("state %1").arg(binB), QStringLiteral("state bin=%1 ").arg(binB), holding,
                      answer, 20000),
             qPrintable(answer));
    const int leftOnB = Field::field(answer, "remaining").toInt();
    QVERIFY2(qAbs(leftOnB - leftNow(left, takenOffAt)) <= 2,
             qPrintable(QStringLiteral("%1 left on B, %2 expected: %3").arg(leftOnB).arg(leftNow(left, takenOffAt)).arg(answer)));
    QCOMPARE(Field::field(answer, "group").toInt(), product);

    QVERIFY2(site.a.askUntil(QStringLiteral("state %1").arg(binA), QStringLiteral("state bin=%1 ").arg(binA),
                      [](const QString &s) { return !holding(s); }, answer, 20000),
             qPrintable(answer));

    QVERIFY2(site.b.askUntil("cabinets", "cabinets: ", [](const QString &s) {
        return heldBy(s, kLinkA.mac) == QLatin1String("-");
    }, answer, 20000), qPrintable(answer));
    QVERIFY2(site.a.askUntil("cabinets", "cabinets: ", [&](const QString &s) {
        return secondsHeld(heldBy(s, kLinkB.mac), binB, product) > 0;
    }, answer, 20000), qPrintable(answer));
    const int listed = secondsHeld(heldBy(answer, kLinkB.mac), binB, product);
    QVERIFY2(qAbs(listed - leftNow(left, takenOffAt)) <= 3,
             qPrintable(QStringLiteral("%1 listed, %2 expected: %3").arg(listed).arg(leftNow(left, takenOffAt)).arg(answer)));
}

void stopSite(Site &site)
{
    for (SimDisplayProcess *cabinet : {&site.a, &site.b}) {
        QVERIFY(cabinet->stop(SIGTERM));
        QCOMPARE(cabinet->exitStatus(), QProcess::NormalExit);
        QCOMPARE(cabinet->exitCode(), 0);
    }
}

} // namespace

// Two cabinets of one site that find each other and hand a running hold
// from one to the other.
class TestTwoCabinets : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        if (::geteuid() != 0)
            QSKIP("the site's network namespaces need root");
        for (const QString &tool : {kUnshare, kNsenter, kIp})
            if (!QFileInfo(tool).isExecutable())
                QSKIP(qPrintable(tool + QStringLiteral(" is missing")));
    }

    // A tagged pan taken off A's reader and put on B's reader, in a bin of
    // its product: B takes the hold over from A's pan-tag list with the
    // time it had left, and A, hearing B's list, ends its own.
    void panMovesWithItsHold()
    {
        Site site;
        startSite(site);
        if (QTest::currentTestFailed())
            return;
        int left = 0;
        qint64 takenOffAt = 0;
        holdOnAThenTakeOff(site, kBinA, KitchenFiles::kPatty, kTray, left, takenOffAt);
        if (QTest::currentTestFailed())
            return;
        QVERIFY2(left > 1700 && left <= 1796, qPrintable(QString::number(left)));

        const int fromA = site.a.lines().size();
        const int fromB = site.b.lines().size();
        site.b.send(QStringLiteral("pan %1 %2 %3").arg(kBinB).arg(KitchenFiles::kPatty).arg(kTray));
        QVERIFY(site.b.waitFor(QStringLiteral("pan placed bin=%1 ").arg(kBinB), 10000, fromB) >= 0);
        const int stopped = site.a.waitFor(QStringLiteral("hold stopped bin=%1 ").arg(kBinA), 20000, fromA);
        QVERIFY(stopped >= 0);
        QVERIFY2(qAbs(Field::field(site.a.lines().at(stopped).text, "remaining").toInt() - leftNow(left, takenOffAt)) <= 2,
                 qPrintable(site.a.lines().at(stopped).text));

        holdingListsAgree(site, kBinA, kBinB, KitchenFiles::kPatty, left, takenOffAt);
        if (QTest::currentTestFailed())
            return;
        QCOMPARE(site.a.find("hold started", fromA), -1);
        stopSite(site);
    }

    // The touch transfer: the pan is carried from A to a bin of B without a
    // reader seeing it; at B the cook presses and holds the bin's bar, picks
    // A's timer in the transfer window, A stops its timer on B's request
    // and confirms, and B's bin starts with the time A's timer had left.
    void touchTransferTakesTheTimerOver()
    {
        Site site;
        startSite(site);
        if (QTest::currentTestFailed())
            return;

        // The bar at B must be ready to hold: a touch ends its preheating.
        int fromB = site.b.lines().size();
        site.b.send(QStringLiteral("touch %1").arg(kChickenBinB));
        QVERIFY(site.b.waitFor(QStringLiteral("preheat done bin=%1 ").arg(kChickenBinB), 10000, fromB) >= 0);

        int left = 0;
        qint64 takenOffAt = 0;
        holdOnAThenTakeOff(site, kChickenBinA, KitchenFiles::kChicken, kChickenTray, left, takenOffAt);
        if (QTest::currentTestFailed())
            return;
        QVERIFY2(left > 1100 && left <= 1196, qPrintable(QString::number(left)));

        // The window offers A's timer, with the time it has left.
        const QString window = site.b.ask(QStringLiteral("press %1").arg(kChickenBinB), QStringLiteral("transfer window "));
        QCOMPARE(Field::field(window, "bin").toInt(), kChickenBinB);
        const QStringList timers = Field::field(window, "timers").split(QLatin1Char(','));
        QCOMPARE(timers.size(), 1);
        QCOMPARE(timers.first().section(QLatin1Char('/'), 0, 0), QStringLiteral("Chicken"));
        QVERIFY2(qAbs(timers.first().section(QLatin1Char('/'), 1).toInt() - leftNow(left, takenOffAt)) <= 2,
                 qPrintable(window));

        const int fromA = site.a.lines().size();
        fromB = site.b.lines().size();
        site.b.send(QStringLiteral("pick 0"));
        QVERIFY(site.b.waitFor(QStringLiteral("pick 0"), 10000, fromB) >= 0);
        holdingListsAgree(site, kChickenBinA, kChickenBinB, KitchenFiles::kChicken, left, takenOffAt);
        if (QTest::currentTestFailed())
            return;
        QCOMPARE(site.a.find("hold started", fromA), -1);
        stopSite(site);
    }
};

QTEST_MAIN(TestTwoCabinets)
#include "tst_twocabinets.moc"
