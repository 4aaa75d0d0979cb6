#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QList>
#include <QString>

// The formats the factory's end-of-line test station reads and sends: the
// datagram that announces a cabinet's Wi-Fi address, the JSON requests and
// replies, and the texts some replies carry (software versions, heater
// temperatures, tags seen per bin). Pure functions; the test server does the
// I/O.
class EolTestCodec
{
public:
    // What the station needs of the cabinet's layout to draw it.
    struct Layout
    {
        int rows = 0;
        int zonesPerRow = 1;
        int binsPerZone = 0;
        bool singleColumn = false;
    };

    // The four octets of the Wi-Fi address (only when it is four dotted
    // decimal octets), then one byte of rows and one of bins per row.
    static QByteArray addressDatagram(const QString &wifiIpAddr, const Layout &layout);

    // True when the bytes as a whole are one JSON object; it goes to
    // *request when given. A request has no framing, so the server keeps
    // collecting until this holds.
    static bool parseRequest(const QByteArray &bytes, QJsonObject *request = nullptr);
    // A reply as the station reads it: indented JSON.
    static QByteArray replyText(const QJsonObject &reply);

    // The firmware the cabinet carries, and how many boards it has.
    struct Versions
    {
        QString ui;                    // this display's own
        bool hasSecondaryDisplay = false;
        QString otherUi;
        QString iot;
        QList<QString> ioBoards;       // boards 0 to 4
        bool nfcEnabled = false;
        QString nfcReader1;
        QString nfcReader2;
        int orientationId = 0;
        int ioBoardCount = 0;          // used when the orientation id does not fix it
        int nfcBoardCount = 0;         // likewise
    };
    // "UI1-…[,UI2-…],IoT-…,IO1-…[,IO2-… up to IO5-…][,NFC1-…[,NFC2-…]]".
    static QString softwareVersions(const Versions &versions);

    // Two actual temperatures per zone, zone by zone, as
    // "Z01-I0-<t>,Z01-I1-<t>,Z02-I0-<t>,…"; empty for no zone.
    static QString temperatureList(const QList<int> &heaterTemps);

    // "1" for a bin where a tag is seen, "0" where none is, joined by ",".
    static QString tagReport(const QList<bool> &tagSeen);
};
