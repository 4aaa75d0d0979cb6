#include "updateutiloptions.h"

#include <QRegularExpression>

namespace {

// The match of the first argument after the program name that the pattern
// matches whole; an invalid match when there is none.
QRegularExpressionMatch findOption(const QStringList &arguments, const QString &pattern)
{
    const QRegularExpression re(QRegularExpression::anchoredPattern(pattern));
    for (int i = 1; i < arguments.size(); ++i) {
        QRegularExpressionMatch m = re.match(arguments.at(i));
        if (m.hasMatch())
            return m;
    }
    return QRegularExpressionMatch();
}

bool hasFlag(const QStringList &arguments, const char *flag)
{
    return arguments.indexOf(QLatin1String(flag), 1) > 0;
}

} // namespace

bool UpdateUtilOptions::isPortraitConnector(int connectorId)
{
    switch (connectorId) {
    case 17: case 18: case 20: case 24: case 32: case 33: case 34:
        return true;
    default:
        return false;
    }
}

UpdateUtilOptions UpdateUtilOptions::parse(const QStringList &arguments)
{
    UpdateUtilOptions o;

    QRegularExpressionMatch m = findOption(arguments, QStringLiteral(R"((-tp=)((\w:)?/[\w+/]+))"));
    if (m.hasMatch()) {
        o.hasTargetPath = true;
        o.targetPath = m.captured(2);
    }

    m = findOption(arguments, QStringLiteral(R"((-idConnector)(\d+))"));
    if (m.hasMatch()) {
        bool ok = false;
        const int id = m.captured(2).toInt(&ok);
        if (ok)
            o.connectorId = id;
    }
    o.portraitPreset = isPortraitConnector(o.connectorId);

    m = findOption(arguments, QStringLiteral(R"((-sp)(/*[\w+/]+))"));
    if (m.hasMatch()) {
        o.hasSerialPort = true;
        o.serialPort = m.captured(2);
    }

    o.cloud = hasFlag(arguments, "-cloud");
    o.portrait = hasFlag(arguments, "-portrait");
    o.landscape = hasFlag(arguments, "-landscape");
    o.autoInstall = hasFlag(arguments, "-autoinstall");

    m = findOption(arguments, QStringLiteral(R"((-s)(\d{1}\.\d+))"));
    if (m.hasMatch()) {
        o.hasScale = true;
        o.scale = m.captured(2);
    }
    m = findOption(arguments, QStringLiteral(R"((-sx)(\d{1}\.\d+))"));
    if (m.hasMatch())
        o.scaleX = m.captured(2).toFloat();
    m = findOption(arguments, QStringLiteral(R"((-sy)(\d{1}\.\d+))"));
    if (m.hasMatch())
        o.scaleY = m.captured(2).toFloat();

    m = findOption(arguments, QStringLiteral(R"(-trace\((.+)\))"));
    if (m.hasMatch()) {
        o.hasTrace = true;
        o.traceNames = m.captured(1).split(QLatin1Char(','));
    }
    return o;
}
