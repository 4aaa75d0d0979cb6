#include "shadowformat.h"

#include <QJsonDocument>

#include <cmath>
#include <limits>

QJsonObject ShadowFormat::property(const QString &name, const QJsonValue &value, const QString &schema,
                                   const QString &unit)
{
    return QJsonObject{
        {QStringLiteral("name"), name},
        {QStringLiteral("value"), value},
        {QStringLiteral("schema"), schema},
        {QStringLiteral("unit"), unit},
    };
}

QJsonObject ShadowFormat::eventMessage(const QString &eventType, qint64 timeStamp, const QString &deviceUuid,
                                       const QString &transactionId, const QString &arrayKey,
                                       const QJsonArray &records)
{
    return QJsonObject{
        {QStringLiteral("eventType"), eventType},
        {QStringLiteral("timeStamp"), timeStamp},
        {QStringLiteral("deviceUuid"), deviceUuid},
        {QStringLiteral("transactionId"), transactionId},
        {arrayKey, records},
    };
}

QJsonObject ShadowFormat::shadowMessage(const QString &section, qint64 timeStamp, const QString &deviceUuid,
                                        const QString &transactionId, const QJsonArray &records)
{
    QJsonObject sectionObject;
    for (const QJsonValue &record : records)
        sectionObject.insert(record.toObject().value(QStringLiteral("name")).toString(), record);
    const QJsonObject reported{
        {QStringLiteral("timeStamp"), timeStamp},
        {QStringLiteral("deviceUuid"), deviceUuid},
        {QStringLiteral("eventType"), QStringLiteral("deviceShadow")},
        {QStringLiteral("transactionId"), transactionId},
        {QStringLiteral("deviceStatusInformation"), QJsonObject{{section, sectionObject}}},
    };
    return QJsonObject{{QStringLiteral("state"), QJsonObject{{QStringLiteral("reported"), reported}}}};
}

QString ShadowFormat::serialise(const QJsonObject &message)
{
    const QByteArray bytes = QJsonDocument(message).toJson(QJsonDocument::Compact);
    const int nul = bytes.indexOf('\0');
    return QString::fromUtf8(nul < 0 ? bytes : bytes.left(nul));
}

float ShadowFormat::panSizeTrays(const QString &panSize, int traysPerZone)
{
    switch (traysPerZone) {
    case 2:
        return panSize == QLatin1String("1/1") ? 2.0f : 1.0f;
    case 3:
        if (panSize == QLatin1String("1/2"))
            return 1.5f;
        if (panSize == QLatin1String("2/3"))
            return 2.0f;
        return panSize == QLatin1String("1/1") ? 3.0f : 1.0f;
    case 4:
        if (panSize == QLatin1String("1/2"))
            return 2.0f;
        if (panSize == QLatin1String("3/4"))
            return 3.0f;
        return panSize == QLatin1String("1/1") ? 4.0f : 1.0f;
    default:
        return 1.0f;
    }
}

QString ShadowFormat::processIdText(const QString &serialNumber, int bin, qint64 processId)
{
    return serialNumber + QLatin1Char('_') + QString::number(bin) + QLatin1Char('_')
        + QString::number(processId, 16);
}

QString ShadowFormat::timerModeWord(int trayState)
{
    switch (trayState) {
    case 6:
        return QStringLiteral("standard");
    case 7:
        return QStringLiteral("warning");
    case 8:
        return QStringLiteral("discard");
    case 9:
        return QStringLiteral("waiting");
    default:
        return QStringLiteral("idle");
    }
}

QByteArray ShadowFormat::uptimeFile(const QDateTime &startTime, qint64 upTime, qint64 totalUpTime)
{
    return "startTime=" + startTime.toString(QLatin1String(uptimeTimeFormat())).toUtf8() + '\n'
        + "upTime=" + QByteArray::number(upTime) + '\n'
        + "totalSystemUpTime=" + QByteArray::number(totalUpTime) + '\n';
}

ShadowFormat::Uptime ShadowFormat::parseUptimeFile(const QByteArray &content)
{
    Uptime uptime;
    const QList<QByteArray> lines = content.split('\n');
    for (const QByteArray &line : lines) {
        const QList<QByteArray> pieces = line.split('=');
        if (pieces.size() < 2)
            continue;
        const QByteArray &key = pieces.at(0);
        const QByteArray value = pieces.at(1).trimmed();
        if (key == "startTime") {
            uptime.startTime = QDateTime::fromString(QString::fromUtf8(value), QLatin1String(uptimeTimeFormat()));
            uptime.hasStartTime = true;
        } else if (key == "upTime") {
            uptime.upTime = value.toLongLong();
            uptime.hasUpTime = true;
        } else if (key == "totalSystemUpTime") {
            uptime.totalUpTime = value.toLongLong();
            uptime.hasTotalUpTime = true;
        }
    }
    return uptime;
}

QByteArray ShadowFormat::errorsFile(const QStringList &codes)
{
    QByteArray bytes;
    for (const QString &code : codes)
        bytes += code.toUtf8() + '\n';
    return bytes;
}

QStringList ShadowFormat::parseErrorsFile(const QByteArray &content)
{
    QStringList codes;
    QList<QByteArray> lines = content.split('\n');
    // The line feed that ends the last line starts no line of its own.
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    for (const QByteArray &line : qAsConst(lines))
        codes << QString::fromUtf8(line);
    return codes;
}

std::array<int, 4> ShadowFormat::errorCodeParts(const QString &code)
{
    const QStringList pieces = code.split(QLatin1Char('.'));
    std::array<int, 4> parts{};
    for (int i = 0; i < 4; ++i)
        parts[size_t(i)] = pieces.value(i).toInt(); // missing or not a number: 0
    return parts;
}

ShadowFormat::ModeCommand ShadowFormat::parseModeCommand(const QJsonObject &command, const QString &arrayKey)
{
    ModeCommand parsed;
    const QJsonValue array = command.value(arrayKey);
    parsed.hasArray = array.isArray();
    const QJsonArray elements = array.toArray();
    QJsonValue duration;
    for (const QJsonValue &element : elements) {
        const QJsonObject item = element.toObject();
        const QString name = item.value(QStringLiteral("name")).toString();
        const QJsonValue value = item.value(QStringLiteral("value"));
        if (name == QLatin1String("modeRequested"))
            parsed.mode = value.toString();
        else if (name == QLatin1String("state"))
            parsed.state = value.toString();
        else if (name == QLatin1String("duration"))
            duration = value;
    }
    // Only a whole, positive number of seconds is taken; anything else (text,
    // a fraction, zero, a negative number) leaves the default.
    if (duration.isDouble()) {
        const double secs = duration.toDouble();
        if (secs >= 1 && std::floor(secs) == secs)
            parsed.durationSecs = secs >= double(std::numeric_limits<int>::max())
                ? qint64(std::numeric_limits<int>::max())
                : qint64(secs);
    }
    return parsed;
}

int ShadowFormat::secsToTimerMs(qint64 secs)
{
    const qint64 maxMs = std::numeric_limits<int>::max();
    if (secs <= 0)
        return 0;
    if (secs >= maxMs / 1000)
        return int(maxMs);
    return int(qMin(secs * 1000, maxMs));
}
