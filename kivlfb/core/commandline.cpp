#include "commandline.h"

#include <QRegularExpression>

namespace {

// The first argument after the program name that matches the whole pattern.
QRegularExpressionMatch firstMatch(const QStringList &arguments, const QRegularExpression &re)
{
    for (int i = 1; i < arguments.size(); ++i) {
        QRegularExpressionMatch m = re.match(arguments.at(i));
        if (m.hasMatch())
            return m;
    }
    return QRegularExpressionMatch();
}

QRegularExpression exact(const char *pattern)
{
    return QRegularExpression(QRegularExpression::anchoredPattern(QLatin1String(pattern)));
}

bool hasFlag(const QStringList &arguments, const char *flag)
{
    return arguments.indexOf(QLatin1String(flag), 1) >= 1;
}

} // namespace

CommandLine CommandLine::parse(const QStringList &arguments)
{
    CommandLine cl;
    if (hasFlag(arguments, "-simulation"))
        cl.simulationFlags = kSimulationAll;
    cl.singleDisplay = hasFlag(arguments, "-singledisplay");
    cl.uiDebug = hasFlag(arguments, "-uiDebug");
    cl.ignoreTpErrors = hasFlag(arguments, "-ignoreTpErrors");
    cl.logModbus = hasFlag(arguments, "-logmodbus");

    static const QRegularExpression idConnector = exact("(-idConnector)(\\d+)");
    const QRegularExpressionMatch id = firstMatch(arguments, idConnector);
    if (id.hasMatch()) {
        bool ok = false;
        const int value = id.captured(2).toInt(&ok, 10);
        if (ok) { // digits beyond int range leave the default in place
            cl.hasIdConnector = true;
            cl.idConnector = value;
        }
    }

    static const QRegularExpression sx = exact("(-sx)(\\d{1}\\.\\d+)");
    static const QRegularExpression sy = exact("(-sy)(\\d{1}\\.\\d+)");
    const QRegularExpressionMatch mx = firstMatch(arguments, sx);
    if (mx.hasMatch())
        cl.scaleX = mx.captured(2).toDouble();
    const QRegularExpressionMatch my = firstMatch(arguments, sy);
    if (my.hasMatch())
        cl.scaleY = my.captured(2).toDouble();

    static const QRegularExpression trace = exact("-trace\\((.+)\\)");
    const QRegularExpressionMatch mt = firstMatch(arguments, trace);
    if (mt.hasMatch())
        cl.traceNames = mt.captured(1).split(QLatin1Char(','), Qt::SkipEmptyParts);

    return cl;
}
