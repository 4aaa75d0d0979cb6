#include "errorcodetable.h"

#include <QCoreApplication>

namespace {

struct Row {
    int mainCode;
    int subCode1;
    int subCode2;
    int subCode3;
    const char *text;
};

constexpr int A = ErrorCodeTable::Any;

// Main codes: 1 the master I/O board link, 2 sensors, heaters and the power
// monitor, 3 zones disabled by their temperature watch, 4 links between
// displays and boards, 5 NFC reader boards, 6 network sockets (sub-code 1 in
// the order of QAbstractSocket::SocketError), 8 the IoT SDK. The order is
// the search order.
const Row kRows[] = {
    {1, 0, A, A, QT_TRANSLATE_NOOP("KivErrorController", "Master I/O communication loss.")},
    {1, 1, A, A, QT_TRANSLATE_NOOP("KivErrorController", "Master I/O sys config timeout.")},
    {1, 2, A, A, QT_TRANSLATE_NOOP("KivErrorController", "Master I/O sys config error.")},
    {2, 0, A, A, QT_TRANSLATE_NOOP("KivErrorController", "Temperature sensor \\3 shorted.")},
    {2, 1, A, A, QT_TRANSLATE_NOOP("KivErrorController", "Temperature sensor \\3 open.")},
    {2, 2, A, A, QT_TRANSLATE_NOOP("KivErrorController", "Heater \\3 low temp error.")},
    {2, 3, A, A, QT_TRANSLATE_NOOP("KivErrorController", "Heater \\3 high temp error.")},
    {2, 4, A, A, QT_TRANSLATE_NOOP("KivErrorController", "Temperature sensor \\3 reference error.")},
    {2, 5, A, A, QT_TRANSLATE_NOOP("KivErrorController", "Cold junction \\3 error.")},
    {2, 6, A, A, QT_TRANSLATE_NOOP("KivErrorController", "System over temperature error.")},
    {2, 7, A, A, QT_TRANSLATE_NOOP("KivErrorController", "Heater \\3 over temperature error.")},
    {2, 8, A, A, QT_TRANSLATE_NOOP("KivErrorController", "Power monitor ZX error.")},
    {2, 9, A, A, QT_TRANSLATE_NOOP("KivErrorController", "Power monitor communication error.")},
    {3, 0, A, A, QT_TRANSLATE_NOOP("KivErrorController", "Zone \\3 Disabled. Temperature too low.")},
    {3, 1, A, A, QT_TRANSLATE_NOOP("KivErrorController", "Zone \\3 Disabled. Temperature too high.")},
    {4, 0, A, A, QT_TRANSLATE_NOOP("KivErrorController", "Secondary UI communication loss.")},
    {4, 1, A, A, QT_TRANSLATE_NOOP("KivErrorController", "Primary UI communication loss.")},
    {4, 2, A, A, QT_TRANSLATE_NOOP("KivErrorController", "I/O board \\3 communication loss.")},
    {4, 3, 0, A, QT_TRANSLATE_NOOP("KivErrorController", "Unexpected UI reboot detected.")},
    {4, 3, 1, A, QT_TRANSLATE_NOOP("KivErrorController", "Unexpected UI reboot detected.")},
    {4, 4, 0, A, QT_TRANSLATE_NOOP("KivErrorController", "Communication bus voltage not detected.")},
    {4, 4, 1, A, QT_TRANSLATE_NOOP("KivErrorController", "Communication bus voltage not detected.")},
    {5, A, A, A, QT_TRANSLATE_NOOP("KivErrorController", "NFC board \\2 communication loss.")},
    {6, 0, A, A, QT_TRANSLATE_NOOP("KivErrorController", "Connection refused error. \\3")},
    {6, 1, A, A, QT_TRANSLATE_NOOP("KivErrorController", "Remote host closed error. \\3")},
    {6, 2, A, A, QT_TRANSLATE_NOOP("KivErrorController", "Host not found error. \\3")},
    {6, 3, A, A, QT_TRANSLATE_NOOP("KivErrorController", "Socket access error. \\3")},
    {6, 4, A, A, QT_TRANSLATE_NOOP("KivErrorController", "Socket resource error. \\3")},
    {6, 5, A, A, QT_TRANSLATE_NOOP("KivErrorController", "Socket timeout error.")},
    {6, 6, A, A, QT_TRANSLATE_NOOP("KivErrorController", "Datagram too large error. \\3")},
    {6, 7, A, A, QT_TRANSLATE_NOOP("KivErrorController", "Network error. \\3")},
    {6, 8, A, A, QT_TRANSLATE_NOOP("KivErrorController", "Address in use error. \\3")},
    {6, 9, A, A, QT_TRANSLATE_NOOP("KivErrorController", "Socket address not available error. \\3")},
    {6, 10, A, A, QT_TRANSLATE_NOOP("KivErrorController", "Unsupported socket operation error. \\3")},
    {6, 12, A, A, QT_TRANSLATE_NOOP("KivErrorController", "Proxy authentication required error. \\3")},
    {6, 13, A, A, QT_TRANSLATE_NOOP("KivErrorController", "Ssl handshake failed error. \\3")},
    {6, 11, A, A, QT_TRANSLATE_NOOP("KivErrorController", "Unfinished socket operation error. \\3")},
    {6, 14, A, A, QT_TRANSLATE_NOOP("KivErrorController", "Proxy connection refused error. \\3")},
    {6, 15, A, A, QT_TRANSLATE_NOOP("KivErrorController", "Proxy connection closed error. \\3")},
    {6, 16, A, A, QT_TRANSLATE_NOOP("KivErrorController", "Proxy connection timeout error. \\3")},
    {6, 17, A, A, QT_TRANSLATE_NOOP("KivErrorController", "Proxy not found error. \\3")},
    {6, 18, A, A, QT_TRANSLATE_NOOP("KivErrorController", "Proxy protocol error. \\3")},
    {6, 19, A, A, QT_TRANSLATE_NOOP("KivErrorController", "Operation error. \\3")},
    {6, 20, A, A, QT_TRANSLATE_NOOP("KivErrorController", "Ssl internal error. \\3")},
    {6, 21, A, A, QT_TRANSLATE_NOOP("KivErrorController", "Ssl invalid user data error. \\3")},
    {6, 22, A, A, QT_TRANSLATE_NOOP("KivErrorController", "Temporary error. \\3")},
    {8, 0, A, A, QT_TRANSLATE_NOOP("KivErrorController", "RIOT SDK Error.")},
    {8, 1, 0, A, QT_TRANSLATE_NOOP("KivErrorController", "Event handler is not set.")},
    {8, 1, 1, A, QT_TRANSLATE_NOOP("KivErrorController", "Domain name is not set.")},
    {8, 1, 2, A, QT_TRANSLATE_NOOP("KivErrorController", "Root CA file is  null.")},
    {8, 1, 3, A, QT_TRANSLATE_NOOP("KivErrorController", "Manufacturer name is missing.")},
    {8, 1, 4, A, QT_TRANSLATE_NOOP("KivErrorController", "Model number is missing.")},
    {8, 1, 5, A, QT_TRANSLATE_NOOP("KivErrorController", "Serial number is missing.")},
    {8, 1, 6, A, QT_TRANSLATE_NOOP("KivErrorController", "Device descriptor is missing.")},
    {8, 1, 7, A, QT_TRANSLATE_NOOP("KivErrorController", "Location number is missing.")},
    {8, 1, 8, A, QT_TRANSLATE_NOOP("KivErrorController", "Serial number is not alpha-numeric.")},
    {8, 1, 9, A, QT_TRANSLATE_NOOP("KivErrorController", "Device descriptor format is incorrect.")},
    {8, 1, 10, A, QT_TRANSLATE_NOOP("KivErrorController", "Device software Id is missing.")},
    {8, 2, 0, A, QT_TRANSLATE_NOOP("KivErrorController", "Failed to initialize RIoT.")},
    {8, 2, 1, A, QT_TRANSLATE_NOOP("KivErrorController", "Failed to publish due to unauthorized topic.")},
    {8, 2, 2, A, QT_TRANSLATE_NOOP("KivErrorController", "Failed to subscribe due to unauthorized topic.")},
    {8, 2, 3, A, QT_TRANSLATE_NOOP("KivErrorController", "Client ID and client secret key is expired or revoked.")},
    {8, 2, 4, A, QT_TRANSLATE_NOOP("KivErrorController", "Refresh token is expired or revoked.")},
    {8, 2, 5, A, QT_TRANSLATE_NOOP("KivErrorController", "Unexpected unclassified error.")},
    {8, 3, 0, A, QT_TRANSLATE_NOOP("KivErrorController", "General underlying TCP/IP error.")},
    {8, 3, 1, A, QT_TRANSLATE_NOOP("KivErrorController", "Error connecting to TCP/IP socket.")},
    {8, 3, 2, A, QT_TRANSLATE_NOOP("KivErrorController", "Error reading from TCP/IP socket.")},
    {8, 3, 3, A, QT_TRANSLATE_NOOP("KivErrorController", "Error writing to TCP/IP socket.")},
    {8, 3, 4, A, QT_TRANSLATE_NOOP("KivErrorController", "General underlying HTTP error.")},
    {8, 3, 5, A, QT_TRANSLATE_NOOP("KivErrorController", "Error on HTTP GET.")},
    {8, 3, 6, A, QT_TRANSLATE_NOOP("KivErrorController", "Error on HTTP POST.")},
    {8, 3, 7, A, QT_TRANSLATE_NOOP("KivErrorController", "MQTT connect failed due to SSL hostname error.")},
    {8, 3, 8, A, QT_TRANSLATE_NOOP("KivErrorController", "Checksum of the downloaded file does not match with the specified checksum.")},
    {8, 3, 9, A, QT_TRANSLATE_NOOP("KivErrorController", "Signature of the checksum cannot be validated.")},
    {8, 3, 10, A, QT_TRANSLATE_NOOP("KivErrorController", "Error is returned when the kid does not reference.")},
    {8, 4, 0, A, QT_TRANSLATE_NOOP("KivErrorController", "Publish or subscribe failed due ping request failure.")},
    {8, 4, 1, A, QT_TRANSLATE_NOOP("KivErrorController", "Device init return failed.")},
    {8, 4, 2, A, QT_TRANSLATE_NOOP("KivErrorController", "Trying to connect to MQTT when there is already a connection.")},
    {8, 4, 3, A, QT_TRANSLATE_NOOP("KivErrorController", "MQTT publish/subscribe failed due to disconnection or failure to connect.")},
    {8, 4, 4, A, QT_TRANSLATE_NOOP("KivErrorController", "Unknown underlying MQTT error.")},
    {8, 4, 5, A, QT_TRANSLATE_NOOP("KivErrorController", "Unknown error.")},
};

bool rowMatches(const ErrorCodeTable::Definition &row, int mainCode, const int (&subCodes)[3])
{
    if (row.mainCode != mainCode)
        return false;
    const int rowSubCodes[3] = {row.subCode1, row.subCode2, row.subCode3};
    for (int i = 0; i < 3; ++i) {
        if (rowSubCodes[i] < 0)
            return true;
        if (rowSubCodes[i] != subCodes[i])
            return false;
    }
    return true;
}

} // namespace

QVector<ErrorCodeTable::Definition> ErrorCodeTable::translated()
{
    QVector<Definition> table;
    table.reserve(int(sizeof(kRows) / sizeof(kRows[0])));
    for (const Row &row : kRows)
        table.append({row.mainCode, row.subCode1, row.subCode2, row.subCode3,
                      QCoreApplication::translate(Context, row.text)});
    return table;
}

QString ErrorCodeTable::describe(const QVector<Definition> &table, int mainCode, int subCode1,
                                 int subCode2, int subCode3)
{
    const int subCodes[3] = {subCode1, subCode2, subCode3};
    for (const Definition &row : table) {
        if (!rowMatches(row, mainCode, subCodes))
            continue;
        QString text = row.text;
        text.replace(QLatin1String("\\1"), QString::number(mainCode));
        text.replace(QLatin1String("\\2"), QString::number(subCode1));
        text.replace(QLatin1String("\\3"), QString::number(subCode2));
        text.replace(QLatin1String("\\4"), QString::number(subCode3));
        return text;
    }
    return QStringLiteral("Undefined");
}
