#pragma once

#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QString>
#include <QTime>
#include <QTimeZone>

// The byte forms behind setting the clock and copying files between the
// displays: the NTP request and reply, the date-time change message as it
// is read (CanMessageCodec::dateTime writes it), the argument of the date
// command, and the payload that carries one file. Pure functions over
// bytes; the callers do the I/O.
class ClockFileCodec
{
public:
    // ---- NTP ----
    static constexpr int NtpPacketSize = 48;
    // Seconds from 1900-01-01 (the NTP epoch) to 1970-01-01.
    static constexpr quint32 NtpToUnixSeconds = 2208988800u;

    // A client request: leap indicator 0, version 4, mode 3; the rest zero.
    static QByteArray ntpRequest();

    struct NtpReply
    {
        enum Status {
            Short,  // fewer than 48 bytes
            NoTime, // transmit seconds 0: the server sent no time
            Valid,
        };
        Status status = Short;
        quint32 transmitSeconds = 0; // since 1900, as the server wrote them
        QDateTime utc;               // the transmit time; valid only for Valid
    };
    // Only the transmit time stamp's seconds (bytes 40 to 43, big-endian)
    // are used. Seconds that would fall before 1970 belong to the next NTP
    // era, which begins in 2036.
    static NtpReply decodeNtpReply(const QByteArray &bytes);

    // ---- Date-time change message ----
    struct DateTimeMessage
    {
        bool complete = false; // all eight bytes were there
        QDate date;
        QTime time;  // hour from bits 0 to 5 of the hour byte
        bool ampm = false; // bit 7: 12-hour format
        bool dst = false;  // bit 6: daylight saving
        bool isValid() const { return complete && date.isValid() && time.isValid(); }
    };
    // id, year (16 bits big-endian), month, day, hour with flags, minute,
    // second.
    static DateTimeMessage decodeDateTime(const QByteArray &msg);

    // The cabinet's local time is UTC plus the configured zone's offset taken
    // without a date (which the framework evaluates at the start of 1970),
    // plus DstSecs with daylight saving; the zone's own rules are not used.
    static constexpr int DstSecs = 3600;
    static int offsetWithoutDate(const QTimeZone &zone);

    // What the date and time screen enters is the cabinet's local time.
    // Returns that moment in UTC; invalid when either text does not parse.
    static QDateTime enteredTimeToUtc(const QString &time, const QString &timeFormat, const QString &date,
                                      const QString &dateFormat, const QTimeZone &zone, bool dst);

    // The date command's argument form, "MMddhhmmyyyy.ss", of dt's fields.
    static QString dateCommandArgument(const QDateTime &dt);

    // ---- File payload ----
    // Bytes 0 to 63 name the file (UTF-8, padded with zero bytes); the
    // file's bytes follow from byte 64 on, unchanged.
    static constexpr int FileNameFieldSize = 64;

    // The name field carries the path when it leaves room for a terminating
    // zero byte, else the bare file name. Empty when even the file name
    // does not fit: a payload is never shorter than the name field.
    static QByteArray encodeFile(const QString &path, const QByteArray &contents);

    struct ReceivedFile
    {
        bool complete = false; // the whole name field was there
        QString name;          // as sent: up to the first zero byte
        QByteArray contents;
        // The name without the sender's directories; empty when nothing
        // usable is left ("", "." or "..").
        QString fileName() const;
    };
    static ReceivedFile decodeFile(const QByteArray &payload);
};
