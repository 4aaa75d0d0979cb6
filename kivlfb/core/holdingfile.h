#pragma once

#include "core/trayinfo.h"

#include <QByteArray>
#include <QList>
#include <QVector>

// The holding state on disk: "trayBarInfo.json", and the older
// "trayBarInfo.txt" that is still read once after an upgrade. Pure
// conversions between bytes and the cabinet's holding table; the cabinet core
// does the file access and acts on what was restored.
class HoldingFile
{
public:
    // What the cabinet keeps and writes: one record per bin of the cabinet
    // and one current and next day part per zone.
    struct State
    {
        QList<trayInfo> records;
        int nextDayPart = 0;
        QVector<int> zoneCurrentDayParts;
        QVector<int> zoneNextDayParts;
    };

    // A file older than this restores no hold: the food is past any hold.
    static constexpr qint64 StaleAfterMs = 3600000;

    // The JSON document, indented, keys sorted, written at timeStamp.
    static QByteArray toJson(const State &state, qint64 timeStamp);

    // Merges a file into state, whose record and zone counts are the
    // cabinet's: a record replaces the table's only when it is a hold in
    // progress (activity 2 to 5) and the file is not stale; indexes outside
    // the table are skipped. The next day part and the zones' day parts are
    // taken from the file either way. Returns false, leaving state as it
    // was, when the bytes are not a holding file (not a JSON object, or a
    // legacy stream that ends early).
    static bool mergeJson(const QByteArray &bytes, qint64 now, State *state, bool *stale);
    static bool mergeLegacy(const QByteArray &bytes, qint64 now, State *state, bool *stale);

    static bool isHoldInProgress(int activity) { return activity >= 2 && activity <= 5; }
    // The activity of a hold brought back after a restart.
    static constexpr quint8 RestoredActivity = 3;
};
