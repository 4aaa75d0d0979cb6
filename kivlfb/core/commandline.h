#pragma once

#include <QString>
#include <QStringList>

// The controller's command line. Every option is one whole argument matched
// exactly against its pattern; only arguments after the program name count
// and the first match wins. Anything else is ignored.
class CommandLine
{
public:
    static constexpr int kSimulationAll = 7; // simulated I/O board (bits 0-1) and NFC (bit 2)

    // arguments as QCoreApplication::arguments() gives them (program first).
    static CommandLine parse(const QStringList &arguments);

    int simulationFlags = 0;
    bool hasIdConnector = false;
    int idConnector = 0;        // valid when hasIdConnector
    bool singleDisplay = false;
    bool uiDebug = false;
    bool ignoreTpErrors = false;
    bool logModbus = false;
    double scaleX = 1.0;        // "uiscalingX"
    double scaleY = 1.0;        // "uiscalingY"
    QStringList traceNames;     // state machines to trace
};
