#include "eoltestcodec.h"

#include <QJsonDocument>
#include <QStringList>

namespace {

const int kMaxIoBoards = 5;

struct BoardCounts
{
    int io;
    int nfc;
};

// The cabinets whose display id fixes their boards; any other takes the
// counts the cabinet and its I/O board link report.
BoardCounts boardCounts(const EolTestCodec::Versions &v)
{
    switch (v.orientationId) {
    case 1: return {5, 2};
    case 9: return {2, 1};
    case 17: return {1, 1};
    case 32: return {3, 1};
    default: return {v.ioBoardCount, v.nfcBoardCount};
    }
}

} // namespace

QByteArray EolTestCodec::addressDatagram(const QString &wifiIpAddr, const Layout &layout)
{
    QByteArray datagram;
    const QStringList octets = wifiIpAddr.split(QLatin1Char('.'));
    if (octets.size() == 4) {
        QByteArray address;
        for (const QString &octet : octets) {
            bool ok = false;
            const uint value = octet.toUInt(&ok, 10);
            if (!ok || value > 255)
                break;
            address.append(char(value));
        }
        if (address.size() == 4)
            datagram = address;
    }
    int binsPerRow = layout.binsPerZone;
    if (layout.zonesPerRow != 1)
        binsPerRow = layout.zonesPerRow * layout.binsPerZone;
    else if (!layout.singleColumn)
        binsPerRow = layout.binsPerZone * 2;
    datagram.append(char(quint8(layout.rows)));
    datagram.append(char(quint8(binsPerRow)));
    return datagram;
}

bool EolTestCodec::parseRequest(const QByteArray &bytes, QJsonObject *request)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return false;
    if (request)
        *request = document.object();
    return true;
}

QByteArray EolTestCodec::replyText(const QJsonObject &reply)
{
    return QJsonDocument(reply).toJson(QJsonDocument::Indented);
}

QString EolTestCodec::softwareVersions(const Versions &v)
{
    QStringList parts;
    parts << QStringLiteral("UI1-") + v.ui;
    if (v.hasSecondaryDisplay)
        parts << QStringLiteral("UI2-") + v.otherUi;
    parts << QStringLiteral("IoT-") + v.iot;
    const BoardCounts counts = boardCounts(v);
    const int ioBoards = qBound(1, counts.io, kMaxIoBoards);
    for (int i = 0; i < ioBoards; ++i)
        parts << QStringLiteral("IO%1-").arg(i + 1) + v.ioBoards.value(i);
    if (v.nfcEnabled) {
        parts << QStringLiteral("NFC1-") + v.nfcReader1;
        if (counts.nfc > 1)
            parts << QStringLiteral("NFC2-") + v.nfcReader2;
    }
    return parts.join(QLatin1Char(','));
}

QString EolTestCodec::temperatureList(const QList<int> &heaterTemps)
{
    QStringList parts;
    for (int i = 0; i < heaterTemps.size(); ++i)
        parts << QStringLiteral("Z%1-I%2-%3").arg(i / 2 + 1, 2, 10, QLatin1Char('0')).arg(i % 2).arg(heaterTemps.at(i));
    return parts.join(QLatin1Char(','));
}

QString EolTestCodec::tagReport(const QList<bool> &tagSeen)
{
    QStringList parts;
    for (bool seen : tagSeen)
        parts << QLatin1String(seen ? "1" : "0");
    return parts.join(QLatin1Char(','));
}
