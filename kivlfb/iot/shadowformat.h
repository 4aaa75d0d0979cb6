#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QJsonArray>
#include <QJsonObject>
#include <QJsonValue>
#include <QList>
#include <QString>
#include <QStringList>

#include <array>

// The device shadow's wire and file formats, as pure functions: no clock,
// no files, no cabinet. The back-end feeds them what it read and sends or
// stores what they return, so tests pin the formats byte for byte.
class ShadowFormat
{
public:
    // One typed value: {"name", "value", "schema", "unit"}.
    static QJsonObject property(const QString &name, const QJsonValue &value, const QString &schema,
                                const QString &unit = QString());

    // An event: "eventType", "timeStamp", "deviceUuid", "transactionId" and
    // the records under arrayKey, in their order.
    static QJsonObject eventMessage(const QString &eventType, qint64 timeStamp, const QString &deviceUuid,
                                    const QString &transactionId, const QString &arrayKey,
                                    const QJsonArray &records);

    // The reported state of the shadow: each record of the section is stored
    // under its own name.
    static QJsonObject shadowMessage(const QString &section, qint64 timeStamp, const QString &deviceUuid,
                                     const QString &transactionId, const QJsonArray &records);

    // Compact UTF-8 JSON, as text up to the first NUL byte.
    static QString serialise(const QJsonObject &message);

    // The tray positions a pan of this size fills in a zone of traysPerZone.
    static float panSizeTrays(const QString &panSize, int traysPerZone);

    // A hold's process id: "<serial>_<0-based bin>_<hold-start ms in hex>".
    static QString processIdText(const QString &serialNumber, int bin, qint64 processId);

    // The word the shadow uses for a tray state ("standard", "warning",
    // "discard", "waiting"; "idle" for every other state).
    static QString timerModeWord(int trayState);

    // Uptime file: "startTime=", "upTime=" and "totalSystemUpTime=" lines.
    struct Uptime
    {
        QDateTime startTime; // invalid when the file names none that parses
        bool hasStartTime = false;
        qint64 upTime = 0;
        bool hasUpTime = false;
        qint64 totalUpTime = 0;
        bool hasTotalUpTime = false;
    };
    static QByteArray uptimeFile(const QDateTime &startTime, qint64 upTime, qint64 totalUpTime);
    static Uptime parseUptimeFile(const QByteArray &content);
    static const char *uptimeTimeFormat() { return "yyyy-MM-dd hh:mm:ss"; }

    // Active-errors file: one code per line, each ended by a line feed.
    static QByteArray errorsFile(const QStringList &codes);
    // Every line, empty ones included; a last line without a line feed too.
    static QStringList parseErrorsFile(const QByteArray &content);
    // "main.sub1.sub2.sub3"; a missing or non-numeric piece reads 0.
    static std::array<int, 4> errorCodeParts(const QString &code);

    // One mode command's array, read element by element: a later element of
    // the same name replaces an earlier one.
    struct ModeCommand
    {
        bool hasArray = false;
        QString mode;
        QString state;
        qint64 durationSecs = 0; // 0: the default applies
    };
    static ModeCommand parseModeCommand(const QJsonObject &command, const QString &arrayKey);
    // The mode length when nothing usable is asked for.
    static const int defaultModeSecs = 300;
    // Seconds to a timer interval, computed in 64 bits and capped at the
    // longest interval a timer can run.
    static int secsToTimerMs(qint64 secs);
};
