#pragma once

#include <QDateTime>

#include <functional>

class HaccpController;
class QObject;
class QQmlContext;
class SoundManager;

// How the cabinet core builds the alarm sounds and the HACCP log: each
// function creates its component as a child of the cabinet core, names it,
// publishes it to the screens and starts what starts at creation. The cabinet
// core calls each at its place in the start-up order and then connects the
// other components' signals to it.
class AlarmsSetup
{
public:
    // The sound manager, published as "soundManager", its machine started.
    static SoundManager *createSoundManager(QObject *cabinetManager, QQmlContext *context);

    // The HACCP log front, published as "haccpController". Its worker runs
    // only when the cabinet core's "haccpEnabled" is true at this point.
    // localTime turns the clock's local time into the cabinet's (time zone
    // and daylight saving) for the yearly purge.
    static HaccpController *createHaccpController(
        QObject *cabinetManager, QQmlContext *context,
        std::function<QDateTime(const QDateTime &)> localTime);
};
