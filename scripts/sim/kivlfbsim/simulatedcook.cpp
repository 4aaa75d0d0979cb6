#include "simulatedcook.h"

#include "cabinetscreen.h"
#include "alarms/haccpcontroller.h"
#include "alarms/kiverrorcontroller.h"
#include "alarms/kiverrorcontrollert.h"
#include "core/cabinetmanager.h"
#include "core/holdingexchange.h"
#include "core/kivdefs.h"
#include "core/mastersync.h"
#include "core/traybarsc.h"
#include "core/zonemanager.h"
#include "menus/menumanager.h"
#include "modbus/qmodbuspollinfo.h"
#include "network/dadazodaru.h"
#include "nfc/masteriomanager.h"
#include "nfc/nfcmanager.h"
#include "platform/kivclock.h"
#include "platform/kivroot.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QRegularExpression>
#include <QSocketNotifier>
#include <QStandardItemModel>
#include <QStateMachine>
#include <QTimer>

#include <cerrno>
#include <climits>
#include <iterator>
#include <memory>
#include <unistd.h>

namespace {

// Pauses of the scripted cook: from a touch to the pan, and between pans.
constexpr int kTouchToPanMs = 500;
constexpr int kBetweenPansMs = 1500;
// A command line longer than this is not a command.
constexpr int kMaxLineBytes = 1024;
// Larger than any screen a cabinet has, scaled or not.
constexpr qint64 kMaxScreenCoordinate = 9999;

bool readNumber(const QString &text, qint64 low, qint64 high, qint64 &value)
{
    bool ok = false;
    const qint64 v = text.toLongLong(&ok, 10);
    if (!ok || v < low || v > high)
        return false;
    value = v;
    return true;
}

bool readPanFields(const QString &product, const QString &tray, SimulatedCook::Pan &pan, QString &error)
{
    qint64 p = 0;
    qint64 t = 0;
    if (!readNumber(product, 0, SimulatedCook::kMaxProductId, p)) {
        error = QStringLiteral("product id must be 0 to %1").arg(SimulatedCook::kMaxProductId);
        return false;
    }
    if (!readNumber(tray, 0, SimulatedCook::kMaxTrayId, t)) {
        error = QStringLiteral("tray id must be 0 to %1").arg(SimulatedCook::kMaxTrayId);
        return false;
    }
    if (p == 0 && t == 0) {
        error = QStringLiteral("a pan without product and tray id is no pan");
        return false;
    }
    pan.productId = int(p);
    pan.trayId = t;
    return true;
}

QStringList activeStates(const QStateMachine &machine)
{
    QStringList names;
    for (QAbstractState *s : machine.configuration())
        names.append(s->objectName().remove(QLatin1Char('"')));
    names.sort();
    return names;
}

} // namespace

bool SimulatedCook::parsePans(const QString &text, QVector<Pan> &pans, QString &error)
{
    QVector<Pan> parsed;
    const QStringList items = text.split(QLatin1Char(','));
    for (const QString &item : items) {
        const QStringList fields = item.trimmed().split(QLatin1Char(':'));
        Pan pan;
        qint64 bin = 0;
        if (fields.size() != 3 || !readNumber(fields.at(0), 0, INT_MAX, bin)) {
            error = QStringLiteral("\"%1\" is not <bin>:<productId>:<trayId>").arg(item);
            return false;
        }
        pan.bin = int(bin);
        if (!readPanFields(fields.at(1), fields.at(2), pan, error)) {
            error = QStringLiteral("\"%1\": %2").arg(item, error);
            return false;
        }
        parsed.append(pan);
    }
    pans = parsed;
    return true;
}

bool SimulatedCook::takeOptions(QStringList &arguments, Options &options, QString &error)
{
    QStringList kept;
    for (int i = 0; i < arguments.size(); ++i) {
        const QString &a = arguments.at(i);
        if (i == 0) {
            kept << a;
        } else if (a == QLatin1String("--control")) {
            options.control = true;
        } else if (a == QLatin1String("--pans-at-start")) {
            options.pansAtStart = true;
        } else if (a == QLatin1String("--pans") || a.startsWith(QLatin1String("--pans="))) {
            QString value;
            if (a == QLatin1String("--pans")) {
                if (i + 1 >= arguments.size()) {
                    error = QStringLiteral("--pans needs <bin>:<productId>:<trayId>[,...]");
                    return false;
                }
                value = arguments.at(++i);
            } else {
                value = a.mid(int(qstrlen("--pans=")));
            }
            if (!parsePans(value, options.pans, error))
                return false;
        } else {
            kept << a;
        }
    }
    arguments = kept;
    return true;
}

SimulatedCook::SimulatedCook(CabinetManager &cabinet, const Options &options)
    : QObject(&cabinet)
    , m_cabinet(cabinet)
    , m_sync(cabinet.findChild<MasterSync *>(QStringLiteral("syncMgr")))
    , m_options(options)
    , m_scriptTimer(new QTimer(this))
{
    setObjectName(QStringLiteral("simulatedCook"));
    m_scriptTimer->setSingleShot(true);
    connect(m_scriptTimer, &QTimer::timeout, this, &SimulatedCook::nextScriptedPan);

    connect(&cabinet, &CabinetManager::event_holdStarted, this, &SimulatedCook::holdStarted);
    connect(&cabinet, &CabinetManager::event_holdStopped, this, &SimulatedCook::holdStopped);
    connect(&cabinet, &CabinetManager::event_holdExpired, this, &SimulatedCook::holdExpired);
    if (m_sync) {
        connect(m_sync, &MasterSync::systemReadyForTrayHoldUpdates, this, &SimulatedCook::syncFinished);
        connect(m_sync, &MasterSync::canLinkBrokenChanged, this, &SimulatedCook::linkBrokenChanged);
        connect(m_sync, &MasterSync::syncErrorInfo, this, &SimulatedCook::errorRaised);
        connect(m_sync, &MasterSync::displayErrorMsg, this, &SimulatedCook::dialog);
    }

    // What each bar of this display shows, as it changes.
    for (QObject *o : cabinet.get_traysModelList()) {
        auto *bar = qobject_cast<TrayBarSc *>(o);
        if (!bar || bar != barOnThisDisplay(bar->get_binNumber()))
            continue;
        m_shownStates.insert(bar, bar->get_trayState());
        connect(bar, &TrayBarSc::trayStateChanged, this, &SimulatedCook::barStateChanged);
        connect(bar, &TrayBarSc::warningReasonChanged, this, &SimulatedCook::barWarningReasonChanged);
    }
    if (auto *nfc = cabinet.findChild<NFCmanager *>(QStringLiteral("nfcManager")))
        connect(nfc, &NFCmanager::panRemoved, this, &SimulatedCook::panOffReader);
    connect(qApp, &QCoreApplication::aboutToQuit, this, &SimulatedCook::stopped);
    say(describeCabinet());

    if (hasReaders()) {
        auto *io = cabinet.findChild<MasterIoManager *>(QStringLiteral("masterIoManager"));
        auto *tagInfo1 = io ? io->findChild<QModbusPollInfo *>(QStringLiteral("tagInfo1")) : nullptr;
        if (tagInfo1)
            connect(tagInfo1, &QModbusPollInfo::pollReplyGood, this, &SimulatedCook::countReaderAnalysis);
    } else if (!m_options.pans.isEmpty()) {
        say(QStringLiteral("error: no simulated NFC readers on this display, the pans stay in the kitchen"));
        m_options.pans.clear();
    }

    // Pans that lie in the cabinet already when the controller starts.
    if (m_options.pansAtStart) {
        for (const Pan &pan : qAsConst(m_options.pans))
            say(placePan(pan));
        m_options.pans.clear();
    }

    if (m_options.control) {
        m_stdin = new QSocketNotifier(STDIN_FILENO, QSocketNotifier::Read, this);
        connect(m_stdin, &QSocketNotifier::activated, this, &SimulatedCook::readCommands);
    }
}

void SimulatedCook::say(const QString &text)
{
    qInfo().noquote() << QStringLiteral("sim: ") + text;
}

bool SimulatedCook::hasReaders() const
{
    return m_cabinet.get_iAmMaster() && m_cabinet.get_nfcEnabled()
        && (m_cabinet.simulationFlags() & 4) != 0;
}

// The screens let a touch end preheating only for these customers; for the
// others the zone view refuses it with a message.
bool SimulatedCook::touchEndsPreheating() const
{
    const int customer = m_cabinet.get_customerId();
    return customer == KivDefs::CUSTOMER_ID_DEZ || customer == KivDefs::CUSTOMER_ID_RIVEV
        || customer == KivDefs::CUSTOMER_ID_VADEV;
}

TrayBarSc *SimulatedCook::barOnThisDisplay(int bin) const
{
    if (bin < 0 || bin > UCHAR_MAX || !m_cabinet.isBinOnThisUI(uchar(bin)))
        return nullptr;
    for (QObject *o : m_cabinet.get_traysModelList())
        if (auto *bar = qobject_cast<TrayBarSc *>(o); bar && bar->get_binNumber() == bin)
            return bar;
    return nullptr;
}

QString SimulatedCook::placePan(const Pan &pan)
{
    if (!hasReaders())
        return QStringLiteral("error: no simulated NFC readers on this display");
    if (pan.bin < 0 || pan.bin >= m_cabinet.get_traysPerCabinet())
        return QStringLiteral("error: bin %1 is not in this cabinet").arg(pan.bin);
    m_cabinet.setBinToTray(pan.bin, pan.productId, int(pan.trayId));
    if (pan.productId == 0 && pan.trayId == 0)
        return QStringLiteral("pan removed bin=%1").arg(pan.bin);
    return QStringLiteral("pan placed bin=%1 product=%2 tray=%3").arg(pan.bin).arg(pan.productId).arg(pan.trayId);
}

// What the screen's tray bar and zone view do with a touch. The touch is
// told before what it sets off.
void SimulatedCook::touch(int bin)
{
    TrayBarSc *bar = barOnThisDisplay(bin);
    if (!bar)
        return say(QStringLiteral("error: bin %1 is not shown on this display").arg(bin));
    const int state = bar->get_trayState();
    if (state == TrayBarSc::TRAY_STATE_STANDARD || state == TrayBarSc::TRAY_STATE_WARNING)
        return say(QStringLiteral("touch bin=%1 opens the cancel panel").arg(bin));
    if (state == TrayBarSc::TRAY_STATE_PREHEATING && !touchEndsPreheating())
        return say(QStringLiteral("touch bin=%1 refused: preheating").arg(bin));
    say(QStringLiteral("touch bin=%1").arg(bin));
    if (m_cabinet.get_mirrorDisplay())
        emit bar->mirrorClicked();
    else
        emit bar->userClicked();
}

// What the tray bar does with a press and hold: only a bar ready to hold,
// and only where touch transfers are on, asks for the timers to take over;
// the transfer window opens when there are some.
void SimulatedCook::press(int bin)
{
    TrayBarSc *bar = barOnThisDisplay(bin);
    if (!bar)
        return say(QStringLiteral("error: bin %1 is not shown on this display").arg(bin));
    if (bar->get_trayState() != TrayBarSc::TRAY_STATE_READY2HOLD || !m_cabinet.get_touchBasedTransfer())
        return say(QStringLiteral("press bin=%1 does nothing").arg(bin));
    m_cabinet.showProductTransferWindow(bin, bar->get_groupIndex(), bar->get_productId());
    const int count = m_cabinet.getTransferTimersCount();
    if (count == 0)
        return say(QStringLiteral("press bin=%1 no timers to take over").arg(bin));
    QStringList timers;
    for (int i = 0; i < count; ++i)
        timers << QStringLiteral("%1/%2").arg(m_cabinet.getTransferTimerValue(i, 0).toString(),
                                              m_cabinet.getTransferTimerValue(i, 3).toString());
    say(QStringLiteral("transfer window bin=%1 timers=%2").arg(bin).arg(timers.join(QLatin1Char(','))));
}

// The transfer window's accept button with an entry selected.
void SimulatedCook::pick(int index)
{
    if (index >= m_cabinet.getTransferTimersCount())
        return say(QStringLiteral("error: the transfer window has no entry %1").arg(index));
    say(QStringLiteral("pick %1").arg(index));
    m_cabinet.doProductTransfer(index);
}

QString SimulatedCook::describeBin(int bin) const
{
    QString text = QStringLiteral("state bin=%1").arg(bin);
    if (TrayBarSc *bar = barOnThisDisplay(bin)) {
        const QStringList states = activeStates(*bar);
        text += QStringLiteral(" tray=%1 remaining=%2")
                    .arg(states.isEmpty() ? QStringLiteral("-") : states.join(QLatin1Char(',')))
                    .arg(bar->get_remainingTime());
    } else {
        text += QStringLiteral(" tray=- remaining=-");
    }
    const trayInfo record = m_cabinet.getTrayInfo(bin);
    const qint32 recordRemaining = record.remainingTime;
    text += QStringLiteral(" activity=%1 group=%2 recordRemaining=%3")
                .arg(record.holdActivity)
                .arg(record.groupId)
                .arg(recordRemaining);
    return text;
}

QString SimulatedCook::describeProduct(int id) const
{
    const auto *menus = m_cabinet.findChild<MenuManager *>(QStringLiteral("menuManager"));
    if (!menus)
        return QStringLiteral("error: no menu");
    const int row = menus->getProductIndex(id);
    return QStringLiteral("product id=%1 hold=%2 panSize=%3 md5=%4 crc32=%5 name=%6")
        .arg(id)
        .arg(menus->getProductHoldTime(row).toString(), menus->getProductPanSize(row).toString(),
             QString::fromLatin1(menus->getProductMd5(id).toHex()),
             QString::number(menus->getProductCrc32(id), 16), menus->getProductName(id).toString());
}

QString SimulatedCook::describeLink() const
{
    if (!m_sync)
        return QStringLiteral("error: no display synchronisation");
    const bool synced = activeStates(*m_sync).contains(QStringLiteral("syncFinished"));
    return QStringLiteral("link: broken=%1 synced=%2 secondaryFound=%3")
        .arg(int(m_sync->get_canLinkBroken()))
        .arg(int(synced))
        .arg(int(m_sync->get_slaveUIfound()));
}

QString SimulatedCook::describeZones() const
{
    QStringList zones;
    for (QObject *o : m_cabinet.get_zonesModelList())
        if (auto *zone = qobject_cast<ZoneManager *>(o))
            zones << QStringLiteral("%1=%2").arg(zone->get_zoneNumber()).arg(zone->get_errorFlags());
    return QStringLiteral("zones ") + zones.join(QLatin1Char(' '));
}

QString SimulatedCook::describeCabinets() const
{
    auto *network = m_cabinet.findChild<DADazodaru *>();
    const QStandardItemModel *names = network ? network->get_namesModel() : nullptr;
    if (!names)
        return QStringLiteral("error: no cabinet network on this display");
    auto *exchange = m_cabinet.findChild<HoldingExchange *>(QStringLiteral("holdingExchange"));
    const qint64 now = KivClock::msecsSinceEpoch();
    QStringList lists;
    QStringList cabinetNames;
    for (int row = 0; row < names->rowCount(); ++row) {
        const QModelIndex index = names->index(row, 0);
        const QString mac = index.data(DADazodaru::MacAddrRole).toString();
        cabinetNames << index.data(DADazodaru::NameRole).toString();
        QStringList holds;
        if (exchange)
            for (const binUsageInfo_struct &held : exchange->cabinetHoldingList(mac))
                holds << QStringLiteral("%1/%2/%3").arg(held.bin).arg(held.productId).arg((held.expectedTime - now) / 1000);
        lists << mac + QLatin1Char('=') + (holds.isEmpty() ? QStringLiteral("-") : holds.join(QLatin1Char(',')));
    }
    return QStringLiteral("cabinets: count=%1 connected=%2 lists=%3 names=%4")
        .arg(network->getNumCabsConnected())
        .arg(int(network->getIsConnected()))
        .arg(lists.isEmpty() ? QStringLiteral("-") : lists.join(QLatin1Char(';')), cabinetNames.join(QLatin1Char('|')));
}

QString SimulatedCook::describeCabinet() const
{
    const QString role = m_cabinet.get_iAmMaster()      ? QStringLiteral("primary")
                         : m_cabinet.get_mirrorDisplay() ? QStringLiteral("mirror")
                                                         : QStringLiteral("secondary");
    QStringList bins;
    for (int bin = 0; bin < m_cabinet.get_traysPerCabinet(); ++bin)
        if (barOnThisDisplay(bin))
            bins << QString::number(bin);
    return QStringLiteral("started: %1 display, %2, %3 rows of %4 zones, bins %5 shown here%6; root %7;"
                          " SIGTERM stops it (Ctrl+C in scripts/run.sh)")
        .arg(role, m_cabinet.get_orientationPortrait() ? QStringLiteral("portrait") : QStringLiteral("landscape"))
        .arg(m_cabinet.get_numberOfRows())
        .arg(m_cabinet.get_zonesPerRow())
        .arg(bins.isEmpty() ? QStringLiteral("none") : bins.join(QLatin1Char(',')),
             hasReaders() ? QStringLiteral(", simulated NFC readers") : QString(),
             KivRoot::isRerooted() ? KivRoot::prefix() : QStringLiteral("/"));
}

void SimulatedCook::shot(const QString &file)
{
    CabinetScreen::grab([file](const QImage &image) {
        if (image.isNull())
            return say(QStringLiteral("error: the cabinet's window is not there"));
        if (!image.save(file, "PNG"))
            return say(QStringLiteral("error: cannot write %1").arg(file));
        say(QStringLiteral("shot %1 %2x%3").arg(file).arg(image.width()).arg(image.height()));
    });
}

// The Files screen's export buttons work only with a stick mounted; each
// calls what its button calls. The export names its file after the moment it
// writes, so the file reported is the one of the log's kind that is new or
// changed on the stick when the export is done.
void SimulatedCook::exportLog(const QString &log)
{
    if (!m_cabinet.isFlashDriveMounted())
        return say(QStringLiteral("error: no USB flash drive mounted"));
    const bool haccp = log == QLatin1String("haccp");
    const QString stick = QStringLiteral("/media/sda1");
    const QString pattern = haccp ? QStringLiteral("holdingLog_*.csv") : QStringLiteral("errorLog_*.txt");
    const auto listing = [stick, pattern] {
        QHash<QString, qint64> files;
        const QDir dir(KivRoot::path(stick));
        for (const QFileInfo &f : dir.entryInfoList({pattern}, QDir::Files))
            files.insert(f.fileName(), f.lastModified().toMSecsSinceEpoch());
        return files;
    };
    const QHash<QString, qint64> before = listing();
    const auto report = [log, stick, listing, before](const QString &result) {
        if (result != QLatin1String("OK"))
            return say(QStringLiteral("error: %1 export failed: %2").arg(log, result));
        const QHash<QString, qint64> after = listing();
        for (auto f = after.cbegin(); f != after.cend(); ++f)
            if (!before.contains(f.key()) || before.value(f.key()) != f.value())
                return say(QStringLiteral("exported %1 %2/%3").arg(log, stick, f.key()));
        say(QStringLiteral("error: %1 export wrote no file").arg(log));
    };

    if (haccp) {
        auto *controller = m_cabinet.findChild<HaccpController *>();
        if (!m_cabinet.get_haccpEnabled() || !controller)
            return say(QStringLiteral("error: the holding log is not kept on this display"));
        auto done = std::make_shared<QMetaObject::Connection>();
        *done = connect(controller, &HaccpController::exportHaccpLogDone, this, [done, report](const QString &result) {
            disconnect(*done);
            report(result);
        });
        controller->exportHaccpLog();
        return;
    }
    auto *controller = m_cabinet.findChild<KivErrorControllerT *>();
    if (!controller || !controller->worker())
        return say(QStringLiteral("error: no error control on this display"));
    controller->exportErrorLog();
    // The export runs in the error worker's thread and reports nothing: a
    // call queued behind it there runs once it is done.
    QMetaObject::invokeMethod(controller->worker(), [this, report] {
        QMetaObject::invokeMethod(this, [report] { report(QStringLiteral("OK")); }, Qt::QueuedConnection);
    }, Qt::QueuedConnection);
}

SimulatedCook::Command SimulatedCook::parseCommand(const QString &line, int binsInCabinet)
{
    static const QRegularExpression space(QStringLiteral("\\s+"));
    const QStringList words = line.trimmed().split(space, Qt::SkipEmptyParts);
    Command c;
    if (words.isEmpty())
        return c;
    const QString &verb = words.first();
    // What follows the verb.
    enum Arguments { NoArguments, Bin, BinAndPan, File, Point, Index, ProductId, Log };
    static const struct {
        const char *verb;
        Command::Kind kind;
        Arguments arguments;
        int count;
    } verbs[] = {
        {"pan", Command::PlacePan, BinAndPan, 3}, {"nopan", Command::RemovePan, Bin, 1},
        {"touch", Command::Touch, Bin, 1},        {"state", Command::State, Bin, 1},
        {"press", Command::Press, Bin, 1},        {"pick", Command::Pick, Index, 1},
        {"link", Command::Link, NoArguments, 0},  {"zones", Command::Zones, NoArguments, 0},
        {"cabinets", Command::Cabinets, NoArguments, 0},
        {"shot", Command::Shot, File, 1},         {"click", Command::Click, Point, 2},
        {"show", Command::Show, File, 1},         {"product", Command::Product, ProductId, 1},
        {"export", Command::Export, Log, 1},
    };
    c.kind = Command::Invalid;
    for (const auto &v : verbs) {
        if (verb != QLatin1String(v.verb))
            continue;
        if (words.size() != v.count + 1) {
            c.error = QStringLiteral("%1 takes %2 argument(s)").arg(verb).arg(v.count);
            return c;
        }
        switch (v.arguments) {
        case NoArguments:
            break;
        case Bin:
        case BinAndPan: {
            qint64 bin = 0;
            if (!readNumber(words.at(1), 0, binsInCabinet - 1, bin)) {
                c.error = QStringLiteral("bin must be 0 to %1").arg(binsInCabinet - 1);
                return c;
            }
            c.pan.bin = int(bin);
            if (v.arguments == BinAndPan && !readPanFields(words.at(2), words.at(3), c.pan, c.error))
                return c;
            break;
        }
        case File:
            c.file = words.at(1);
            break;
        case Log:
            if (words.at(1) != QLatin1String("haccp") && words.at(1) != QLatin1String("errors")) {
                c.error = QStringLiteral("export takes haccp or errors");
                return c;
            }
            c.file = words.at(1);
            break;
        case Index: {
            qint64 index = 0;
            if (!readNumber(words.at(1), 0, INT_MAX, index)) {
                c.error = QStringLiteral("index must be 0 or more");
                return c;
            }
            c.index = int(index);
            break;
        }
        case ProductId: {
            qint64 id = 0;
            if (!readNumber(words.at(1), 0, INT_MAX, id)) {
                c.error = QStringLiteral("product id must be 0 to %1").arg(INT_MAX);
                return c;
            }
            c.pan.productId = int(id);
            break;
        }
        case Point: {
            qint64 x = 0;
            qint64 y = 0;
            if (!readNumber(words.at(1), 0, kMaxScreenCoordinate, x)
                || !readNumber(words.at(2), 0, kMaxScreenCoordinate, y)) {
                c.error = QStringLiteral("x and y must be 0 to %1").arg(kMaxScreenCoordinate);
                return c;
            }
            c.point = QPoint(int(x), int(y));
            break;
        }
        }
        c.kind = v.kind;
        return c;
    }
    // Echo what came in only as printable text, so the answer stays one
    // readable line whatever the bytes were.
    QString shown = verb.left(40);
    for (QChar &ch : shown)
        if (!ch.isPrint())
            ch = QLatin1Char('?');
    c.error = QStringLiteral("unknown command \"%1\"").arg(shown);
    return c;
}

void SimulatedCook::command(const QString &line)
{
    const Command c = parseCommand(line, m_cabinet.get_traysPerCabinet());
    switch (c.kind) {
    case Command::None:
        return;
    case Command::Invalid:
        return say(QStringLiteral("error: ") + c.error);
    case Command::PlacePan:
        return say(placePan(c.pan));
    case Command::RemovePan: {
        Pan none;
        none.bin = c.pan.bin;
        return say(placePan(none));
    }
    case Command::Touch:
        return touch(c.pan.bin);
    case Command::Press:
        return press(c.pan.bin);
    case Command::Pick:
        return pick(c.index);
    case Command::State:
        return say(describeBin(c.pan.bin));
    case Command::Link:
        return say(describeLink());
    case Command::Zones:
        return say(describeZones());
    case Command::Cabinets:
        return say(describeCabinets());
    case Command::Product:
        return say(describeProduct(c.pan.productId));
    case Command::Shot:
        return shot(c.file);
    case Command::Export:
        return exportLog(c.file);
    case Command::Show: {
        QString error;
        if (!CabinetScreen::show(c.file, error))
            return say(QStringLiteral("error: ") + error);
        return say(QStringLiteral("show %1").arg(c.file));
    }
    case Command::Click: {
        QString error;
        if (!CabinetScreen::tap(c.point, error))
            return say(QStringLiteral("error: ") + error);
        return say(QStringLiteral("click %1 %2").arg(c.point.x()).arg(c.point.y()));
    }
    }
}

void SimulatedCook::readCommands()
{
    char buffer[4096];
    const ssize_t n = ::read(STDIN_FILENO, buffer, sizeof buffer);
    if (n < 0 && (errno == EINTR || errno == EAGAIN))
        return;
    if (n <= 0) {
        // Nobody gives commands any more; the cabinet runs on.
        m_stdin->setEnabled(false);
        return;
    }
    m_pending.append(buffer, int(n));
    int newline;
    while ((newline = m_pending.indexOf('\n')) >= 0) {
        const QByteArray line = m_pending.left(newline);
        m_pending.remove(0, newline + 1);
        if (m_discardingLine)
            m_discardingLine = false; // the end of a line already refused
        else if (line.size() > kMaxLineBytes)
            say(QStringLiteral("error: command line too long"));
        else
            command(QString::fromUtf8(line));
    }
    // A line that grows past the limit is refused now; the rest of it, up
    // to its end, is dropped as it comes.
    if (m_pending.size() > kMaxLineBytes) {
        if (!m_discardingLine)
            say(QStringLiteral("error: command line too long"));
        m_discardingLine = true;
        m_pending.clear();
    }
}

// Every good reply of the first reader ends a reader cycle, and an analysis
// follows each cycle (with two readers, after the second reader's reply).
// One cycle more than the analyses that skip or only take pans as present
// is certainly behind them.
void SimulatedCook::countReaderAnalysis()
{
    if (m_readersReady)
        return;
    if (++m_analysesSeen < MasterIoManager::kStartUpCountdown + MasterIoManager::kAnalysesToSkip + 1)
        return;
    m_readersReady = true;
    say(QStringLiteral("readers ready"));
    if (!m_options.pans.isEmpty())
        nextScriptedPan();
}

void SimulatedCook::nextScriptedPan()
{
    if (m_nextPan >= m_options.pans.size())
        return;
    const Pan &pan = m_options.pans.at(m_nextPan);
    TrayBarSc *bar = barOnThisDisplay(pan.bin);
    if (!m_touchedForNextPan && bar && bar->get_trayState() == TrayBarSc::TRAY_STATE_PREHEATING
        && touchEndsPreheating()) {
        m_touchedForNextPan = true;
        touch(pan.bin);
        m_scriptTimer->start(kTouchToPanMs);
        return;
    }
    say(placePan(pan));
    m_touchedForNextPan = false;
    if (++m_nextPan < m_options.pans.size())
        m_scriptTimer->start(kBetweenPansMs);
}

void SimulatedCook::holdStarted(const QString &, const QString &product, const QString &pan, int bin,
                                const QString &method)
{
    say(QStringLiteral("hold started bin=%1 pan=%2 method=%3 product=%4").arg(bin).arg(pan, method, product));
}

void SimulatedCook::holdStopped(const QString &, const QString &product, const QString &pan, int bin,
                                const QString &method, int remaining)
{
    say(QStringLiteral("hold stopped bin=%1 pan=%2 method=%3 remaining=%4 product=%5")
            .arg(bin)
            .arg(pan, method)
            .arg(remaining)
            .arg(product));
}

void SimulatedCook::holdExpired(const QString &, const QString &product, const QString &pan, int bin)
{
    say(QStringLiteral("hold expired bin=%1 pan=%2 product=%3").arg(bin).arg(pan, product));
}

void SimulatedCook::syncFinished()
{
    say(QStringLiteral("sync finished"));
}

void SimulatedCook::linkBrokenChanged(bool broken)
{
    say(broken ? QStringLiteral("link broken") : QStringLiteral("link restored"));
}

void SimulatedCook::errorRaised(int mainCode, int subCode1, int subCode2, int subCode3)
{
    say(QStringLiteral("error raised %1 %2 %3 %4").arg(mainCode).arg(subCode1).arg(subCode2).arg(subCode3));
}

void SimulatedCook::dialog(const QString &text, bool, bool show)
{
    say(show ? QStringLiteral("dialog shown: ") + QString(text).replace(QLatin1Char('\n'), QLatin1Char(' '))
             : QStringLiteral("dialog hidden"));
}

void SimulatedCook::barStateChanged(int state)
{
    auto *bar = qobject_cast<TrayBarSc *>(sender());
    if (!bar)
        return;
    const int before = m_shownStates.value(bar, TrayBarSc::TRAY_STATE_NULL);
    m_shownStates.insert(bar, state);
    const int bin = bar->get_binNumber();
    QString seen;
    switch (state) {
    case TrayBarSc::TRAY_STATE_PREHEATING:
        seen = QStringLiteral("preheating bin=%1").arg(bin);
        break;
    case TrayBarSc::TRAY_STATE_READY2HOLD:
        if (before == TrayBarSc::TRAY_STATE_PREHEATING)
            seen = QStringLiteral("preheat done bin=%1").arg(bin);
        break;
    case TrayBarSc::TRAY_STATE_WARNING:
        seen = QStringLiteral("warning bin=%1 remaining=%2").arg(bin).arg(bar->get_remainingTime());
        break;
    case TrayBarSc::TRAY_STATE_DISCARD:
        seen = QStringLiteral("discard bin=%1").arg(bin);
        break;
    default:
        break;
    }
    if (!seen.isEmpty())
        say(seen + QStringLiteral(" product=") + bar->get_productName());
}

void SimulatedCook::barWarningReasonChanged(int reason)
{
    auto *bar = qobject_cast<TrayBarSc *>(sender());
    if (!bar)
        return;
    // The notices the bar flashes, by reason.
    static const char *const reasons[] = {"", "Product Mismatch", "Menu Mismatch", "Invalid product definition"};
    if (reason == 0)
        return say(QStringLiteral("mismatch cleared bin=%1").arg(bar->get_binNumber()));
    const QString text = reason > 0 && reason < int(std::size(reasons)) ? QLatin1String(reasons[reason])
                                                                        : QStringLiteral("reason %1").arg(reason);
    say(QStringLiteral("mismatch bin=%1 reason=%2 product=%3").arg(bar->get_binNumber()).arg(text, bar->get_productName()));
}

void SimulatedCook::panOffReader(qint64, int bin, quint64 pan, int remaining)
{
    say(QStringLiteral("pan off reader bin=%1 pan=%2 remaining=%3").arg(bin).arg(pan, 0, 16).arg(remaining));
}

void SimulatedCook::stopped()
{
    say(QStringLiteral("stopped"));
}
