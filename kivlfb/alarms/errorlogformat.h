#pragma once

#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

// The text forms of the error log: the weekly log files in "errorLogs/",
// the buffer a display that is not the primary one keeps for the primary,
// and the export to the USB stick. Pure functions; the worker does the I/O.
//
// A log line (log files and buffer): version "1", ";", the report's local
// time "yyyy/MM/dd HH:mm:ss", ";", the four codes in decimal separated by
// TABs, a line feed. Descriptions are not stored: they are looked up again
// in the current language whenever a log is read.
class ErrorLogFormat
{
public:
    static constexpr int Version = 1;

    struct Codes {
        int mainCode = 0;
        int subCode1 = 0;
        int subCode2 = 0;
        int subCode3 = 0;
        bool operator==(const Codes &o) const
        {
            return mainCode == o.mainCode && subCode1 == o.subCode1 && subCode2 == o.subCode2
                && subCode3 == o.subCode3;
        }
    };

    struct Line {
        QDateTime timeStamp;
        Codes codes;
        QString codesText; // the codes as written, joined by full stops
    };

    static QByteArray logLine(const QDateTime &timeStamp, const Codes &codes);

    // The lines of a log file that are version 1 and well formed, in file
    // order; every other line is skipped.
    static QList<Line> parseLog(const QByteArray &content);
    static bool parseLogLine(const QString &line, Line *out);

    // A line of a received buffer: at least three ";" fields, a readable time
    // stamp in the second and four integer codes separated by TABs in the
    // third. False for anything else.
    static bool parseBufferLine(const QString &line, Line *out);

    // The directory's entries as the log reads them: without "." and "..",
    // sorted by name, case-sensitively.
    static QStringList logNames(QStringList entries);

    // The file the next report goes to, given the names logNames() gives and
    // today's date. Files are weekly: the newest file is kept while today
    // lies in its ISO week, else today names a new one. A name's date is what
    // is left of it without ".txt" and "el" (in any case).
    static QString logFileName(const QStringList &sortedNames, const QDate &today);

    // One line of the export: "date time    codes    description".
    static QByteArray exportLine(const QString &dateText, const QString &timeText,
                                 const QString &codesText, const QString &description);
    static QString exportFileName(const QString &serialNumber, const QDateTime &localNow);

    static QString dateText(const QDateTime &timeStamp);
    static QString timeText(const QDateTime &timeStamp);
};
