#include "haccplogformat.h"

#include <QDataStream>
#include <QIODevice>

#include <functional>

const QString HaccpLogFormat::openDuration = QStringLiteral("----");

namespace {
QByteArray encode(const std::function<void(QDataStream &)> &write)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    write(out);
    return bytes;
}
} // namespace

// ---------------------------------------------------------------------------
// Requests

QByteArray HaccpLogFormat::entryRequest(const HaccpData &e)
{
    return encode([&](QDataStream &out) {
        out << e.name << e.date << e.time << e.duration << e.expired << qint32(e.binNumber);
    });
}

HaccpData HaccpLogFormat::entryFromRequest(const QByteArray &request)
{
    HaccpData e;
    QDataStream in(request);
    in >> e.name >> e.date >> e.time >> e.duration >> e.expired >> e.binNumber;
    return e;
}

QByteArray HaccpLogFormat::purgeRequest(const QString &cutoffDate)
{
    return encode([&](QDataStream &out) { out << cutoffDate; });
}

QString HaccpLogFormat::purgeCutoffFromRequest(const QByteArray &request)
{
    QString cutoff;
    QDataStream in(request);
    in >> cutoff;
    return cutoff;
}

QByteArray HaccpLogFormat::readRequest(bool retrieveAll)
{
    return encode([&](QDataStream &out) { out << retrieveAll; });
}

bool HaccpLogFormat::retrieveAllFromRequest(const QByteArray &request)
{
    bool all = false;
    QDataStream in(request);
    in >> all;
    return all;
}

QByteArray HaccpLogFormat::exportRequest(const ExportRequest &r)
{
    return encode([&](QDataStream &out) {
        out << r.serialNumber << qint32(r.traysPerZone) << qint32(r.zonesPerRow);
    });
}

HaccpLogFormat::ExportRequest HaccpLogFormat::exportFromRequest(const QByteArray &request)
{
    ExportRequest r;
    qint32 traysPerZone = 0;
    qint32 zonesPerRow = 0;
    QDataStream in(request);
    in >> r.serialNumber >> traysPerZone >> zonesPerRow;
    r.traysPerZone = traysPerZone;
    r.zonesPerRow = zonesPerRow;
    return r;
}

// ---------------------------------------------------------------------------
// Purge and export

QString HaccpLogFormat::purgeCutoff(const QDateTime &localNow)
{
    // QDate moves 29 February to 28 February of the year before.
    return localNow.date().addYears(-1).toString(QStringLiteral("yyyy/MM/dd"));
}

QByteArray HaccpLogFormat::csvHeader()
{
    return QByteArrayLiteral("Product Name, Shelf Number, Start Time, Discarded, Total Holding Duration,\n");
}

QString HaccpLogFormat::safeFileNamePart(const QString &text)
{
    QString safe = text;
    safe.replace(QLatin1Char('/'), QLatin1Char('_'));
    safe.replace(QLatin1Char('\\'), QLatin1Char('_'));
    safe.replace(QChar(0), QLatin1Char('_'));
    if (safe.startsWith(QLatin1Char('.')))
        safe[0] = QLatin1Char('_');
    return safe;
}

QString HaccpLogFormat::exportFileName(const QString &serialNumber, const QDateTime &localNow)
{
    // Both place holders are filled at once, so a "%2" in the serial stays.
    return QStringLiteral("/media/sda1/holdingLog_%1_%2.csv")
        .arg(safeFileNamePart(serialNumber), localNow.toString(QStringLiteral("yyMMdd-HHmmss")));
}
