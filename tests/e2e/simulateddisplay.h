#pragma once

#include "temproot.h"

#include <QByteArray>
#include <QJsonObject>
#include <QList>
#include <QString>
#include <QStringList>

#include <memory>

class CabinetManager;
class HaccpController;
class MasterIoManager;
class NFCmanager;
class QQuickItem;
class SoundManager;
class TrayBarSc;
class ZoneManager;

// One primary display started in simulation (flags 7, as "-simulation"
// gives) in a root of its own: the personality given, a menu with patties
// (hold 1800 s, warning 300 s), a day-part file that puts patties on bin 2
// from the start, a configured time zone of UTC+02:00, fake sound players
// that log what they play, and a virtual CAN bus of its own. The process
// sets up its private bus, serial port and CAN back-end before.
class SimulatedDisplay
{
public:
    static const int kPatty = 12;
    static const int kPattyHoldSecs = 1800;
    static const int kPattyBin = 2;

    explicit SimulatedDisplay(const QByteArray &personality);
    ~SimulatedDisplay();

    CabinetManager *cabinet() const { return m_cabinet.get(); }

    TrayBarSc *bar(int bin) const;
    ZoneManager *zoneOf(int bin) const;
    MasterIoManager *io() const;
    NFCmanager *nfc() const;
    SoundManager *sounds() const;
    HaccpController *haccp() const;

    // The bar on the screen that shows the tray; none when the screen shows
    // no bar for it.
    QQuickItem *screenBar(const TrayBarSc *bar) const;
    // A touch on the bin's bar on the screen: the screen's bar bound to the
    // tray emits its touch signal, which the zone view routes to the tray.
    // False when the screen shows no bar for the tray.
    bool touch(const TrayBarSc *bar) const;

    // The innermost state of a bar ("readyToHold", "standard", "discard" ...).
    static QString stateOf(const TrayBarSc *bar);
    // The entries of the HACCP store file, oldest first.
    QList<QJsonObject> haccpEntries() const;
    // The sound files the fake players were asked to play, in order.
    QStringList playedSounds() const;

private:
    TempRoot m_root;
    std::unique_ptr<CabinetManager> m_cabinet;
};
