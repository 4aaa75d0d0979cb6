#pragma once

#include <QString>
#include <QStringList>

// The update utility's command line. Each option is the first argument after
// the program name that matches the option's pattern as a whole; a value the
// pattern does not accept leaves the default.
class UpdateUtilOptions
{
public:
    static constexpr int kNoConnector = -1;

    // arguments as QCoreApplication::arguments() gives them (program first).
    static UpdateUtilOptions parse(const QStringList &arguments);
    // "-h" or "--help" among the arguments after the program name.
    static bool asksForHelp(const QStringList &arguments);
    // What "--help" prints: the options and how the program is run.
    static QString usage();
    // Connector ids of displays mounted upright.
    static bool isPortraitConnector(int connectorId);

    bool hasTargetPath = false;
    QString targetPath = QStringLiteral("/root");   // "-tp="
    int connectorId = kNoConnector;                  // "-idConnector"
    bool portraitPreset = false;                     // from the connector id
    bool hasSerialPort = false;
    QString serialPort = QStringLiteral("/dev/ttyO1"); // "-sp"
    bool cloud = false;                              // "-cloud"
    bool portrait = false;                           // "-portrait"
    bool landscape = false;                          // "-landscape"
    bool autoInstall = false;                        // "-autoinstall"
    bool hasScale = false;
    QString scale = QStringLiteral("1.0");           // "-s", only logged
    float scaleX = 1.0f;                             // "-sx"
    float scaleY = 1.0f;                             // "-sy"
    bool hasTrace = false;
    QStringList traceNames;                          // "-trace(a,b)"
};
