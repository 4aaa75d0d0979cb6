#include "panplacer.h"

#include "benchline.h"
#include "benchmenu.h"

#include "core/cabinetmanager.h"
#include "core/traybarsc.h"
#include "core/trayinfo.h"
#include "core/zonemanager.h"
#include "menus/daypartmanager.h"
#include "modbus/qmodbuspollinfo.h"
#include "nfc/masteriomanager.h"

#include "machinestates.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QRandomGenerator>
#include <QTimer>

#include <algorithm>

namespace {

constexpr int kCheckMs = 20;
constexpr int kStepTimeoutMs = 20000;
constexpr int kReadersStartTimeoutMs = 90000;

} // namespace

PanPlacer::PanPlacer(CabinetManager *cabinet, int pans, QObject *parent)
    : QObject(parent)
    , m_cabinet(cabinet)
    , m_pans(pans)
{
    m_clock.start();
    m_io = cabinet->findChild<MasterIoManager *>(QStringLiteral("masterIoManager"));
    m_reader1Poll = m_io ? m_io->findChild<QModbusPollInfo *>(QStringLiteral("tagInfo1")) : nullptr;
    // Every read of reader 1 from the first on: the poll period, and the
    // count of start-up analyses behind us.
    if (m_reader1Poll)
        connect(m_reader1Poll, &QModbusPollInfo::pollReplyGood, this,
                [this] { m_reader1ReadsMs.append(m_clock.elapsed()); });
}

void PanPlacer::run()
{
    if (!m_io || !m_reader1Poll) {
        fail("no NFC reader polling on this display");
        return;
    }
    m_bins = m_cabinet->get_traysPerCabinet();
    m_panInBin.fill(false, m_bins);
    if (!prepareBins())
        return;
    const int pans = std::max(m_pans, m_bins);
    for (int i = 0; i < pans; ++i) {
        if (!placePan(i % m_bins))
            return;
    }
    disconnect(m_reader1Poll, nullptr, this, nullptr);
    benchLine("poll-period " + QByteArray::number(medianPollPeriodMs(), 'f', 1) + ' '
              + QByteArray::number(m_reader1ReadsMs.size() - 1));
    benchLine("ready");
}

// The bench product in every bin, the readers past their start-up reads, and
// every bin out of preheating (this customer's bins leave it on a touch).
bool PanPlacer::prepareBins()
{
    auto *dayParts = m_cabinet->findChild<DayPartManager *>(QStringLiteral("daypartManager"));
    if (!dayParts) {
        fail("no day-part manager");
        return false;
    }
    for (int bin = 0; bin < m_bins; ++bin) {
        TrayBarSc *bar = m_cabinet->getTrayPtr(uchar(bin));
        if (!bar) {
            fail("no tray bar for bin " + QByteArray::number(bin));
            return false;
        }
        dayParts->setProdIdOnBin(0, bin, kBenchProductId);
        if (!waitUntil([bar] { return bar->isRunning(); }, kStepTimeoutMs)) {
            fail("tray bar not running");
            return false;
        }
        const QString zoneName = QStringLiteral("zone%1").arg(bin / m_cabinet->get_traysPerZone());
        if (auto *zone = m_cabinet->findChild<ZoneManager *>(zoneName))
            zone->set_currentDayPart(zone->get_nextDayPart());
        emit bar->assign();
        if (!waitUntil([this, bin] { return m_cabinet->getProductIDfromBinNumber(uchar(bin)) == kBenchProductId; },
                       kStepTimeoutMs)) {
            fail("product not assigned to bin " + QByteArray::number(bin));
            return false;
        }
    }

    const bool readersStarted = waitUntil([this] {
        const QStringList states = activeStateNames(*m_io);
        return states.contains(QStringLiteral("nfcTagReading"))
               && !states.contains(QStringLiteral("nfcIdleState"));
    }, kReadersStartTimeoutMs);
    // Pans found at start-up are not new holds: wait for the analyses that
    // decide that to be over.
    const int startUpReads = MasterIoManager::kStartUpCountdown + MasterIoManager::kAnalysesToSkip + 1;
    if (!readersStarted
        || !waitUntil([this, startUpReads] { return m_reader1ReadsMs.size() >= startUpReads; },
                      kReadersStartTimeoutMs)) {
        fail("NFC readers did not start");
        return false;
    }

    for (int bin = 0; bin < m_bins; ++bin) {
        TrayBarSc *bar = m_cabinet->getTrayPtr(uchar(bin));
        if (!waitUntil([bar] { return activeStateNames(*bar).contains(QStringLiteral("preheating")); },
                       kStepTimeoutMs)) {
            fail("bin " + QByteArray::number(bin) + " not preheating");
            return false;
        }
        emit bar->userClicked();
        if (!waitUntil([bar] { return activeStateNames(*bar).contains(QStringLiteral("readyToHold")); },
                       kStepTimeoutMs)) {
            fail("bin " + QByteArray::number(bin) + " not ready to hold");
            return false;
        }
    }
    return true;
}

bool PanPlacer::placePan(int bin)
{
    if (m_panInBin.at(bin)) {
        m_cabinet->setBinToTray(bin, 0, 0);
        if (!waitUntil([this, bin] { return m_io->get_previousUID(bin) == 0; }, kStepTimeoutMs)) {
            fail("pan taken from bin " + QByteArray::number(bin) + " not noticed");
            return false;
        }
        m_panInBin[bin] = false;
    }
    // Lands anywhere in the poll cycle.
    static QRandomGenerator random(22);
    if (!pause(random.bounded(std::max(1, int(medianPollPeriodMs())))))
        return false;

    const qint64 trayId = m_nextTrayId++;
    TrayBarSc *bar = m_cabinet->getTrayPtr(uchar(bin));
    QElapsedTimer sincePlaced;
    qint64 startedNs = -1;
    qint64 seenNs = -1;
    QMetaObject::Connection started = connect(bar, &TrayBarSc::holdingStartedSignal, this,
                                              [&](trayInfo) {
                                                  if (startedNs < 0)
                                                      startedNs = sincePlaced.nsecsElapsed();
                                              });
    QMetaObject::Connection seen = connect(m_io, &MasterIoManager::currentUIDsChanged, this,
                                           [&](uchar which) {
                                               if (which == bin && seenNs < 0 && m_io->get_currentUID(bin) != 0)
                                                   seenNs = sincePlaced.nsecsElapsed();
                                           });
    sincePlaced.start();
    m_cabinet->setBinToTray(bin, kBenchProductId, int(trayId));
    const bool held = waitUntil([&startedNs] { return startedNs >= 0; }, kStepTimeoutMs);
    disconnect(started);
    disconnect(seen);
    if (!held) {
        fail("no hold started for a pan in bin " + QByteArray::number(bin));
        return false;
    }
    m_panInBin[bin] = true;
    benchLine("pan " + QByteArray::number(bin) + ' ' + QByteArray::number(startedNs / 1e6, 'f', 2) + ' '
              + QByteArray::number(seenNs / 1e6, 'f', 2));
    return true;
}

bool PanPlacer::waitUntil(const std::function<bool()> &done, int timeoutMs)
{
    QElapsedTimer waited;
    waited.start();
    while (!done()) {
        if (waited.elapsed() > timeoutMs || !pause(kCheckMs))
            return false;
    }
    return true;
}

// False when the application is quitting.
bool PanPlacer::pause(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    return loop.exec() == 0;
}

double PanPlacer::medianPollPeriodMs() const
{
    QVector<qint64> gaps;
    for (int i = 1; i < m_reader1ReadsMs.size(); ++i)
        gaps.append(m_reader1ReadsMs.at(i) - m_reader1ReadsMs.at(i - 1));
    if (gaps.isEmpty())
        return 1000;
    std::sort(gaps.begin(), gaps.end());
    return double(gaps.at(gaps.size() / 2));
}

void PanPlacer::fail(const QByteArray &why)
{
    benchLine("error " + why);
    QCoreApplication::exit(1);
}
