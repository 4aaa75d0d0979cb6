#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QObject>
#include <QVector>

#include <functional>

class CabinetManager;
class MasterIoManager;
class QModbusPollInfo;

// Puts pans on the simulated readers of a primary display and times each
// from the moment it lies on the reader to the start of its bin's hold.
// (Without simulators those readers are idle models whose register writes
// the probe passes on to the readers on the serial line.)
// Every bin gets the bench product; pans go to the bins in turn, each with
// a tray id never used before, the bin's previous pan taken away first, and
// each put down after a random pause shorter than one reader poll, so that
// pans land at every point of the poll cycle. Results go to standard error:
//   "bench: pan <bin> <ms to hold start> <ms until the reader reported it>"
//   "bench: poll-period <median ms between reads of reader 1> <intervals>"
//   "bench: ready"           (every bin holds; the display runs on)
//   "bench: error <what>"    (and the program quits with 1)
class PanPlacer : public QObject
{
    Q_OBJECT

public:
    // Places at least one pan in every bin, `pans` in all.
    PanPlacer(CabinetManager *cabinet, int pans, QObject *parent = nullptr);

public slots:
    void run();

private:
    bool prepareBins();
    bool placePan(int bin);
    bool waitUntil(const std::function<bool()> &done, int timeoutMs);
    bool pause(int ms);
    double medianPollPeriodMs() const;
    void fail(const QByteArray &why);

    CabinetManager *m_cabinet;
    MasterIoManager *m_io = nullptr;
    QModbusPollInfo *m_reader1Poll = nullptr;
    int m_pans;
    int m_bins = 0;
    qint64 m_nextTrayId = 1000;
    QVector<bool> m_panInBin;
    QElapsedTimer m_clock;
    QVector<qint64> m_reader1ReadsMs;
};
