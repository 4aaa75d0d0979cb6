#include "cabinetpersonality.h"
#include "kitchenfiles.h"
#include "simdisplayprocess.h"

#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <functional>
#include <memory>
#include <unistd.h>

namespace {

using Field = SimDisplayProcess;

const QString kUnshare = QStringLiteral("/usr/bin/unshare");
const QString kNsenter = QStringLiteral("/usr/bin/nsenter");
const QString kIp = QStringLiteral("/usr/sbin/ip");

// The two cabinets' Wi-Fi: one segment, each end named as on the target.
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

// A network namespace of its own, held open by a sleeping process; gone
// with it. The cabinet's process enters it through nsenter.
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
        m_holder.start(kUnshare, {QStringLiteral("--net"), QStringLiteral("sleep"), QStringLiteral("3600")});
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

// Asks until the answer satisfies ok; the last answer is left in answer.
bool askUntil(SimDisplayProcess &display, const QString &command, const QString &prefix,
              const std::function<bool(const QString &)> &ok, QString &answer, int timeoutMs)
{
    return QTest::qWaitFor([&] {
        answer = display.ask(command, prefix);
        return ok(answer);
    }, timeoutMs);
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

} // namespace

// Two cabinets of one site, each a primary display alone in its cabinet
// (its own root, virtual CAN bus, system bus and serial line), on one
// Wi-Fi segment: each runs in a network namespace of its own whose
// "wlan0" is one end of a veth pair, so that broadcasts, the fixed ports
// and the hardware addresses are each cabinet's own, as on a real site.
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

    // They hear each other's name beacons and holding lists; a tagged pan
    // taken off A's reader and put on B's reader keeps its hold with the
    // time it had left, and A's hold of it ends.
    void panMovesWithItsHold()
    {
        SiteNamespace siteA;
        SiteNamespace siteB;
        QVERIFY(siteA.start() && siteB.start());
        QString output;
        QVERIFY2(run(kIp, {"link", "add", "name", "wlan0", "netns", siteA.pid(), "address", kLinkA.mac, "type", "veth",
                           "peer", "name", "wlan0", "netns", siteB.pid(), "address", kLinkB.mac},
                     &output),
                 qPrintable(output));
        QVERIFY(bringUp(siteA, kLinkA) && bringUp(siteB, kLinkB));

        QTemporaryDir canA;
        QTemporaryDir canB;
        QVERIFY(canA.isValid() && canB.isValid());
        SimDisplayProcess a(kNsenter, QStringLiteral("cabinet A"));
        SimDisplayProcess b(kNsenter, QStringLiteral("cabinet B"));
        QVERIFY(a.prepare() && b.prepare());
        int index = 0;
        for (SimDisplayProcess *cabinet : {&a, &b}) {
            QVERIFY(cabinet->root().writeFile("/root/cabinet.hcc", cabinetPersonality("alone")));
            QVERIFY(cabinet->root().writeFile("/root/menu.json", KitchenFiles::menu()));
            QVERIFY(cabinet->root().writeFile("/root/dayParts.json", KitchenFiles::dayParts()));
            QVERIFY(cabinet->root().writeFile("/root/config.txt", configFile(index++)));
        }
        QVERIFY(a.start(canA.path(), siteA.enter()));
        QVERIFY(b.start(canB.path(), siteB.enter()));
        QVERIFY(a.waitFor("readers ready", 90000) >= 0);
        QVERIFY(b.waitFor("readers ready", 90000) >= 0);

        // Each hears both beacons, its own among them.
        const QString names = QStringLiteral("Reserve Cabinet #1|Point-of-Use Cabinet #2");
        QString answer;
        for (SimDisplayProcess *cabinet : {&a, &b}) {
            QVERIFY2(askUntil(*cabinet, "cabinets", "cabinets: ", [](const QString &s) {
                return Field::field(s, "count") == QLatin1String("2");
            }, answer, 30000), qPrintable(answer));
            QCOMPARE(Field::field(answer, "connected"), QStringLiteral("1"));
            QCOMPARE(Field::field(answer, "names"), names);
        }

        // A pan of patties goes on A's reader: its hold starts there, and
        // B learns of it from A's holding list.
        const QString stateA = QStringLiteral("state %1").arg(kBinA);
        const QString stateB = QStringLiteral("state %1").arg(kBinB);
        const QString answerA = QStringLiteral("state bin=%1 ").arg(kBinA);
        const QString answerB = QStringLiteral("state bin=%1 ").arg(kBinB);
        int from = a.lines().size();
        a.send(QStringLiteral("pan %1 %2 %3").arg(kBinA).arg(KitchenFiles::kPatty).arg(kTray));
        const int started = a.waitFor(QStringLiteral("hold started bin=%1 ").arg(kBinA), 20000, from);
        QVERIFY(started >= 0);
        const QString pan = Field::field(a.lines().at(started).text, "pan");
        QVERIFY2(askUntil(b, "cabinets", "cabinets: ", [](const QString &s) {
            return secondsHeld(heldBy(s, kLinkA.mac), kBinA, KitchenFiles::kPatty) > 0;
        }, answer, 20000), qPrintable(answer));

        // Some time on the hold passes before the pan moves, so that a
        // restarted hold could not pass for a carried-over one.
        QTest::qWait(5000);
        from = a.lines().size();
        a.send(QStringLiteral("nopan %1").arg(kBinA));
        const int off = a.waitFor(QStringLiteral("pan off reader bin=%1 ").arg(kBinA), 20000, from);
        QVERIFY(off >= 0);
        const int leftWhenTakenOff = Field::field(a.lines().at(off).text, "remaining").toInt();
        const qint64 takenOffAt = a.lines().at(off).atMs;
        QVERIFY2(leftWhenTakenOff > 1700 && leftWhenTakenOff <= 1796, qPrintable(a.lines().at(off).text));
        // Away from its reader the hold goes on in A.
        QVERIFY(holding(a.ask(stateA, answerA)));

        const int fromA = a.lines().size();
        from = b.lines().size();
        b.send(QStringLiteral("pan %1 %2 %3").arg(kBinB).arg(KitchenFiles::kPatty).arg(kTray));
        QVERIFY(b.waitFor(QStringLiteral("pan placed bin=%1 ").arg(kBinB), 10000, from) >= 0);

        // B holds it with the time it had left, less the time since: a
        // take-over, not a new hold.
        QVERIFY2(askUntil(b, stateB, answerB, holding, answer, 20000), qPrintable(answer));
        const int expectedLeft = leftWhenTakenOff - int((SimDisplayProcess::clockMs() - takenOffAt) / 1000);
        const int leftOnB = Field::field(answer, "remaining").toInt();
        QVERIFY2(qAbs(leftOnB - expectedLeft) <= 2,
                 qPrintable(QStringLiteral("%1 left on B, %2 expected: %3").arg(leftOnB).arg(expectedLeft).arg(answer)));
        QCOMPARE(Field::field(answer, "group").toInt(), KitchenFiles::kPatty);

        // A hears that B took the pan over and ends its own hold.
        const int stopped = a.waitFor(QStringLiteral("hold stopped bin=%1 ").arg(kBinA), 20000, fromA);
        QVERIFY(stopped >= 0);
        QCOMPARE(Field::field(a.lines().at(stopped).text, "pan"), pan);
        QVERIFY2(askUntil(a, stateA, answerA, [](const QString &s) { return !holding(s); }, answer, 10000),
                 qPrintable(answer));

        // The holding lists agree: A sends none, B sends the pan's bin with
        // the carried-over time.
        QVERIFY2(askUntil(b, "cabinets", "cabinets: ", [](const QString &s) {
            return heldBy(s, kLinkA.mac) == QLatin1String("-");
        }, answer, 20000), qPrintable(answer));
        QVERIFY2(askUntil(a, "cabinets", "cabinets: ", [](const QString &s) {
            return secondsHeld(heldBy(s, kLinkB.mac), kBinB, KitchenFiles::kPatty) > 0;
        }, answer, 20000), qPrintable(answer));
        const int listedLeft = secondsHeld(heldBy(answer, kLinkB.mac), kBinB, KitchenFiles::kPatty);
        const int nowLeft = leftWhenTakenOff - int((SimDisplayProcess::clockMs() - takenOffAt) / 1000);
        QVERIFY2(qAbs(listedLeft - nowLeft) <= 3,
                 qPrintable(QStringLiteral("%1 listed, %2 expected: %3").arg(listedLeft).arg(nowLeft).arg(answer)));
        // A no longer holds anything.
        QCOMPARE(a.find("hold started", fromA), -1);

        for (SimDisplayProcess *cabinet : {&a, &b}) {
            QVERIFY(cabinet->stop(SIGTERM));
            QCOMPARE(cabinet->exitCode(), 0);
        }
    }
};

QTEST_MAIN(TestTwoCabinets)
#include "tst_twocabinets.moc"
