#pragma once

#include <QByteArray>
#include <QString>

// The text forms behind the cabinet's network set-up: the two system files
// the configuration store generates ("/etc/network/interfaces" and
// "/etc/wpa_supplicant.conf"), the Wi-Fi credential drop files, and what
// the system's network tools print ("/sbin/route -n", "/sbin/iwlist wlan0
// scan", a DHCP client's pid file). Pure functions over text; the callers
// do the I/O.
//
// The files are read by other programs line by line, so a user's value
// (an SSID, a pass phrase, an identity) must never end a line early or add
// one: a value holding a control character is refused and no text is made.
class NetworkSetupCodec
{
public:
    // One interface's block of "/etc/network/interfaces".
    struct InterfaceBlock
    {
        QString interface;          // "eth0", "wlan0"
        bool enabled = false;       // a disabled interface's lines are commented out
        bool staticAddress = false; // else DHCP
        QString address;
        QString netmask;
        QString gateway;
    };

    // The loopback, the Ethernet block, an empty line and the Wi-Fi block.
    // Empty when a value holds a blank or a control character; then
    // *refusedField names it.
    static QByteArray interfacesFile(const InterfaceBlock &ethernet, const InterfaceBlock &wifi,
                                     QString *refusedField = nullptr);

    struct WifiSettings
    {
        bool enterprise = false; // PEAP with an identity, else open or pre-shared key
        QString ssid;
        QString password;        // empty and not enterprise: an open network
        QString identity;
    };

    // The supplicant's file for the settings. Empty when a value holds a
    // control character; then *refusedField names it.
    static QByteArray wpaSupplicantFile(const WifiSettings &settings, QString *refusedField = nullptr);

    // A credential drop file: "ssid=" and "psk=" lines whose values carry
    // quotes, which are dropped. Other lines, and lines with more than one
    // "=", are ignored.
    struct Credentials
    {
        bool hasSsid = false;
        QString ssid;
        bool hasPassword = false;
        QString password;
    };
    static Credentials readCredentials(const QByteArray &text);

    // The gateway of the interface's default route in the output of
    // "/sbin/route -n"; empty when it has none.
    static QString defaultGateway(const QByteArray &routeOutput, const QString &interface);

    // The process id written in a pid file, or 0 when the text is not one.
    static qint64 processId(const QByteArray &pidFile);

    // The access points in the output of "/sbin/iwlist wlan0 scan" as an
    // indented JSON array of objects ("cell", "macAddr", "ssid",
    // "signalLevel", "freq", "chan"), one per SSID, the strongest cell of
    // each; an empty text when the output holds no cell.
    static QString scanResults(const QByteArray &iwlistOutput);

    // A signal level in dBm as a quality "q/100".
    static QString signalQuality(int levelDbm);
};
