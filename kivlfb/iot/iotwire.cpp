#include "iotwire.h"

#include "core/traybarsc.h"

#include <QRegularExpression>

#include <cmath>
#include <initializer_list>

namespace IotWire {

QPair<int, int> sdkErrorGroup(int code)
{
    static const std::initializer_list<int> groups[] = {
        {-100, -110, -150, -160, -161, -162, -163, -164, -165, -166},
        {-200, -201, -202, -203, -204, -299},
        {-2100, -2101, -2102, -2103, -2200, -2201, -2202, -2210, -3000, -3005, -3010},
        {-8512, -8513, -8514, -8515, -8599, -9999},
    };
    int group = 1;
    for (const auto &codes : groups) {
        int index = 0;
        for (int known : codes) {
            if (known == code)
                return qMakePair(group, index);
            ++index;
        }
        ++group;
    }
    return qMakePair(0, 0);
}

qint64 wholeNumber(const QJsonValue &value)
{
    if (!value.isDouble())
        return 0;
    const double number = std::trunc(value.toDouble());
    // 2^63 is exactly representable; anything at or past it is not a qint64.
    if (!std::isfinite(number) || number >= 9223372036854775808.0 || number < -9223372036854775808.0)
        return 0;
    return qint64(number);
}

qint64 batchStart(const QString &batchId)
{
    const QStringList parts = batchId.split(QLatin1Char(':'));
    if (parts.size() != 2)
        return 0;
    return parts.at(1).toLongLong();
}

QString menuDescription(const QString &fileName)
{
    const int dot = fileName.lastIndexOf(QLatin1Char('.'));
    return dot < 0 ? fileName : fileName.left(dot);
}

QString trayMode(int trayState)
{
    switch (trayState) {
    case TrayBarSc::TRAY_STATE_STANDARD:
        return QStringLiteral("standard");
    case TrayBarSc::TRAY_STATE_WARNING:
        return QStringLiteral("warning");
    case TrayBarSc::TRAY_STATE_DISCARD:
        return QStringLiteral("discard");
    case TrayBarSc::TRAY_STATE_WAITING:
        return QStringLiteral("waiting");
    default:
        return QStringLiteral("idle");
    }
}

bool countsToExpectedEnd(int trayState)
{
    return trayState == TrayBarSc::TRAY_STATE_STANDARD || trayState == TrayBarSc::TRAY_STATE_WARNING ||
           trayState == TrayBarSc::TRAY_STATE_DISCARD;
}

int firstNumber(const QString &text)
{
    static const QRegularExpression digits(QStringLiteral("\\d+"));
    const QRegularExpressionMatch match = digits.match(text);
    if (!match.hasMatch())
        return -1;
    bool ok = false;
    const int value = match.captured().toInt(&ok);
    return ok ? value : -1;
}

} // namespace IotWire
