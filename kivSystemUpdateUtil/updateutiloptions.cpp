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

bool UpdateUtilOptions::asksForHelp(const QStringList &arguments)
{
    return hasFlag(arguments, "-h") || hasFlag(arguments, "--help");
}

QString UpdateUtilOptions::usage()
{
    return QStringLiteral(
        "Usage: kivSystemUpdateUtil [options]\n"
        "\n"
        "Installs the update package in the working directory: its folders app,\n"
        "config, splashScreen, sibfirmware, nfcapp, configuration, uImage, sounds,\n"
        "help, languages and startScript_*. The result goes to\n"
        "/root/updates/firmwareUpdateResult.txt, and the program ends by stopping\n"
        "every process whose name contains \"kiv\": the controller and itself.\n"
        "\n"
        "Options (each written as one word):\n"
        "  -tp=PATH              where the application goes (default /root)\n"
        "  -spDEVICE             the RS-485 line to the boards (default /dev/ttyO1)\n"
        "  -idConnectorN         the display's connector id\n"
        "  -portrait, -landscape screen orientation (default: the personality file's)\n"
        "  -autoinstall          install at once, without asking\n"
        "  -cloud                the update came from the cloud\n"
        "  -sN.N, -sxN.N, -syN.N screen scale (-s is only logged)\n"
        "  -trace(NAME,...)      state machines to trace\n"
        "  -h, --help            this text\n"
        "\n"
        "On a desktop: KIV_ROOT names a directory that stands for \"/\" (the personality\n"
        "file in $KIV_ROOT/root/, the result under $KIV_ROOT/root/updates/), and\n"
        "system tools, the stop command included, then run only from inside it.\n"
        "Without KIV_ROOT the program acts on this machine as on the target and\n"
        "stops the processes named \"kiv\" here. KIV_SERIAL_PORT and KIV_CAN stand\n"
        "in for the RS-485 line and the CAN bus; with KIV_ROOT set and no display the\n"
        "screen is drawn offscreen.\n");
}

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
