#include "errorlogformat.h"

#include "haccplogformat.h"

#include <QRegularExpression>

#include <algorithm>

namespace {

const QString kTimeFormat = QStringLiteral("yyyy/MM/dd HH:mm:ss");

// The version field alone, then the whole line of version 1. A code has one
// to three digits; a fourth digit makes the line unreadable rather than
// shortening the code.
const QRegularExpression kVersion(QStringLiteral("^([0-9]{1});.*$"));
const QRegularExpression kVersion1(QStringLiteral(
    "^([0-9]{1,9});([0-9]{4}/[0-9]{2}/[0-9]{2} [0-9]{2}:[0-9]{2}:[0-9]{2});"
    "([0-9]{1,3})\\t([0-9]{1,3})\\t([0-9]{1,3})\\t([0-9]{1,3})(?![0-9]).*$"));

// A log file's name without ".txt" and "el" in any case: its date.
QString stemOfName(QString name)
{
    name.remove(QStringLiteral(".txt"), Qt::CaseInsensitive);
    name.remove(QStringLiteral("el"), Qt::CaseInsensitive);
    return name;
}

} // namespace

QString ErrorLogFormat::dateText(const QDateTime &timeStamp)
{
    return timeStamp.toString(QStringLiteral("yyyy/MM/dd"));
}

QString ErrorLogFormat::timeText(const QDateTime &timeStamp)
{
    return timeStamp.toString(QStringLiteral("HH:mm:ss"));
}

QByteArray ErrorLogFormat::logLine(const QDateTime &timeStamp, const Codes &codes)
{
    return QStringLiteral("%1;%2;%3\t%4\t%5\t%6\n")
        .arg(Version)
        .arg(timeStamp.toString(kTimeFormat))
        .arg(codes.mainCode)
        .arg(codes.subCode1)
        .arg(codes.subCode2)
        .arg(codes.subCode3)
        .toLatin1();
}

bool ErrorLogFormat::parseLogLine(const QString &line, Line *out)
{
    const QRegularExpressionMatch version = kVersion.match(line);
    if (!version.hasMatch() || version.captured(1).toInt() != Version)
        return false;
    const QRegularExpressionMatch m = kVersion1.match(line);
    if (!m.hasMatch())
        return false;
    const QDateTime timeStamp = QDateTime::fromString(m.captured(2), kTimeFormat);
    if (!timeStamp.isValid())
        return false;
    out->timeStamp = timeStamp;
    out->codes = {m.captured(3).toInt(), m.captured(4).toInt(), m.captured(5).toInt(),
                  m.captured(6).toInt()};
    out->codesText = QStringList{m.captured(3), m.captured(4), m.captured(5), m.captured(6)}
                         .join(QLatin1Char('.'));
    return true;
}

QList<ErrorLogFormat::Line> ErrorLogFormat::parseLog(const QByteArray &content)
{
    QList<Line> lines;
    const QStringList texts = QString::fromLatin1(content).split(QLatin1Char('\n'));
    for (const QString &text : texts) {
        Line line;
        if (parseLogLine(text, &line))
            lines.append(line);
    }
    return lines;
}

bool ErrorLogFormat::parseBufferLine(const QString &line, Line *out)
{
    const QStringList parts = line.split(QLatin1Char(';'));
    if (parts.size() < 3)
        return false;
    const QDateTime timeStamp = QDateTime::fromString(parts.at(1), kTimeFormat);
    const QStringList fields = parts.at(2).split(QLatin1Char('\t'));
    if (!timeStamp.isValid() || fields.size() < 4)
        return false;
    int codes[4];
    for (int i = 0; i < 4; ++i) {
        bool ok = false;
        codes[i] = fields.at(i).trimmed().toInt(&ok);
        if (!ok)
            return false;
    }
    out->timeStamp = timeStamp;
    out->codes = {codes[0], codes[1], codes[2], codes[3]};
    out->codesText = QStringLiteral("%1.%2.%3.%4").arg(codes[0]).arg(codes[1]).arg(codes[2]).arg(codes[3]);
    return true;
}

QStringList ErrorLogFormat::logNames(QStringList entries)
{
    entries.removeAll(QStringLiteral("."));
    entries.removeAll(QStringLiteral(".."));
    std::sort(entries.begin(), entries.end());
    return entries;
}

QString ErrorLogFormat::logFileName(const QStringList &sortedNames, const QDate &today)
{
    int lastWeek = 0;
    int lastYear = 0;
    if (!sortedNames.isEmpty()) {
        const QDate last = QDate::fromString(QStringLiteral("20") + stemOfName(sortedNames.last()),
                                             QStringLiteral("yyyyMMdd"));
        if (last.isValid())
            lastWeek = last.weekNumber(&lastYear);
    }
    int year = 0;
    const int week = today.weekNumber(&year);
    if (week != lastWeek || year != lastYear)
        return today.toString(QStringLiteral("yyMMdd")) + QStringLiteral(".txt");
    return stemOfName(sortedNames.last()) + QStringLiteral(".txt");
}

QByteArray ErrorLogFormat::exportLine(const QString &dateText, const QString &timeText,
                                      const QString &codesText, const QString &description)
{
    return (dateText + QLatin1Char(' ') + timeText + QLatin1String("    ") + codesText
            + QLatin1String("    ") + description + QLatin1Char('\n'))
        .toUtf8();
}

QString ErrorLogFormat::exportFileName(const QString &serialNumber, const QDateTime &localNow)
{
    // Both place holders are filled at once, so a "%2" in the serial stays.
    return QStringLiteral("/media/sda1/errorLog_%1_%2.txt")
        .arg(HaccpLogFormat::safeFileNamePart(serialNumber),
             localNow.toString(QStringLiteral("yyMMdd-HHmmss")));
}
