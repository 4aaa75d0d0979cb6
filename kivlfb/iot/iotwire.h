#pragma once

#include <QJsonValue>
#include <QPair>
#include <QString>
#include <QtGlobal>

// Pure pieces of the cloud back-ends' wire vocabulary, kept apart from the
// back-ends so that they can be checked on their own.
namespace IotWire {

// Seconds, to the nearest, of a time in milliseconds.
inline qint64 nearestSecond(qint64 msecs) { return (msecs + 500) / 1000; }
// Pan ids travel as lowercase hexadecimal without leading zeros.
inline QString hex(quint64 value) { return QString::number(value, 16); }

// The (group, index) that an SDK error code of the IoT agent is reported
// under; (0, 0) for a code outside the known groups.
QPair<int, int> sdkErrorGroup(int code);

// A JSON number as a whole 64-bit value: 0 when the value is not a number or
// lies outside what 64 bits hold, the fraction dropped otherwise.
qint64 wholeNumber(const QJsonValue &value);

// The hold-start seconds carried by a batch id "<pan>:<seconds>"; 0 when the
// id does not have exactly two parts or the second is not a number.
qint64 batchStart(const QString &batchId);

// A menu file name without its last extension ("lunch.menu.json" gives
// "lunch.menu"); a name without a dot is kept whole.
QString menuDescription(const QString &fileName);

// The timer mode reported for a tray-bar state, and whether its time left is
// counted to the hold's expected end rather than read from the record.
QString trayMode(int trayState);
bool countsToExpectedEnd(int trayState);

// The first run of decimal digits in a package state text, or -1 when there
// is none (or it does not fit an int).
int firstNumber(const QString &text);

} // namespace IotWire
