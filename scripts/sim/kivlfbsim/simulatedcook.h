#pragma once

#include <QHash>
#include <QObject>
#include <QPoint>
#include <QString>
#include <QStringList>
#include <QVector>

class CabinetManager;
class MasterSync;
class QSocketNotifier;
class QTimer;
class TrayBarSc;

// A person at a simulated cabinet. The cook acts only as someone standing
// at the cabinet could: puts pans on and takes them off the simulated NFC
// readers (what the NFC simulator screen does), touches tray bars (what the
// screen's tray bar does with a touch) and watches what the controller
// shows. Everything it does and sees goes out through the controller's log
// as whole lines that begin with "sim: ".
//
// Scripted: the pans given go down once the readers' start-up analyses are
// behind (a pan there earlier is taken as already present, not as a new
// hold), each after a touch where the bar is preheating and a touch ends
// preheating; or at once, as pans that were in the cabinet when the
// controller started.
//
// Control: one command a line on standard input:
//   pan <bin> <productId> <trayId>   put a pan on the reader of a bin: "pan placed .."
//   nopan <bin>                      take the pan away: "pan removed bin=.."
//   touch <bin>                      touch the bin's tray bar: "touch bin=..", with
//                                    " opens the cancel panel" or " refused: preheating"
//                                    where the screen would not pass the touch on
//   press <bin>                      press and hold the bin's tray bar: where the screen
//                                    offers running timers of the bar's product to take
//                                    over, "transfer window bin=.. timers=<product>/<seconds
//                                    left>,.." in the window's order; else "press bin=..
//                                    does nothing" or "press bin=.. no timers to take over"
//   pick <index>                     take the window's entry index over (its accept button):
//                                    "pick <index>"
//   state <bin>                      "state bin=.. tray=<states> remaining=.. activity=..
//                                    group=.. recordRemaining=..": the bar (on this
//                                    display) and the bin's holding record
//   link                             "link: broken=.. synced=.. secondaryFound=.."
//   zones                            "zones <zone>=<error flags> ..." of this display
//   cabinets                         "cabinets: count=.. connected=.. lists=<mac>=<holds>;..
//                                    names=<name>|..": the cabinets of the site this
//                                    primary display hears (itself among them once its
//                                    own name beacon comes back), whether it does, and
//                                    the holding list each of the others last sent, as
//                                    <bin>/<productId>/<seconds left here>[,..] or "-"
//   shot <file.png>                  a picture of the screen, upright as a person
//                                    reads it (a portrait display's too): "shot <file>
//                                    <width>x<height>"
//   click <x> <y>                    a tap on the screen at a point of that upright
//                                    picture: "click <x> <y>"
//   product <id>                     "product id=.. hold=.. panSize=.. md5=.. crc32=..
//                                    name=..": the product as this display's menu
//                                    has it, with the digests a pan tag carries
//   export haccp|errors              what the Files screen's "Export Holding Log" or
//                                    "Export Error Log" button does, with a stick
//                                    mounted: "exported haccp|errors <file>" (the
//                                    platform path of the file written) once the
//                                    export is done, else "error: <why>"
// A line that is not a command is answered "error: <why>".
//
// Seen on its own: "started: .." (the cabinet, its bins and its root) and
// "stopped", "readers ready", "hold started|stopped|expired bin=.. pan=..
// [method=..] [remaining=..] product=..", what a bar of this display shows
// as it changes: "preheating|preheat done|warning|discard bin=..
// [remaining=..] product=..", "mismatch bin=.. reason=.. product=..",
// "mismatch cleared bin=..", a pan taken off a reader: "pan off reader
// bin=.. pan=.. remaining=..", "sync finished", "link broken", "link
// restored", "error raised <main> <sub1> <sub2> <sub3>", "dialog shown:
// <text>", "dialog hidden".
class SimulatedCook : public QObject
{
    Q_OBJECT

public:
    struct Pan
    {
        int bin = 0;
        int productId = 0;
        qint64 trayId = 0;
    };

    struct Command
    {
        enum Kind { None, Invalid, PlacePan, RemovePan, Touch, Press, Pick, State, Link, Zones, Cabinets, Shot, Click, Show, Product, Export };
        Kind kind = None;
        Pan pan;       // the bin of every command with one, the whole pan of PlacePan,
                       // the product id of Product
        QString file;  // where Shot saves its picture; the screen Show shows; the log
                       // Export exports ("haccp" or "errors")
        QPoint point;  // where Click taps
        int index = 0; // the entry Pick takes
        QString error; // why an Invalid line is not a command
    };

    struct Options
    {
        QVector<Pan> pans;
        bool pansAtStart = false;
        bool control = false;
    };

    // A tag carries the product in 8 bits; the readers' simulator takes the
    // tray id as a non-negative int.
    static constexpr int kMaxProductId = 255;
    static constexpr qint64 kMaxTrayId = 2147483647;

    // Takes the cook's own options out of arguments (program name first),
    // so the controller never sees them. False, with the reason, for an
    // option the cook knows but cannot read.
    static bool takeOptions(QStringList &arguments, Options &options, QString &error);
    // "<bin>:<productId>:<trayId>[,...]"; bins are checked against the
    // cabinet later.
    static bool parsePans(const QString &text, QVector<Pan> &pans, QString &error);
    // One line of the control mode; an empty line is no command.
    static Command parseCommand(const QString &line, int binsInCabinet);

    SimulatedCook(CabinetManager &cabinet, const Options &options);

    // Carries out one line of the control mode; the answer is logged.
    void command(const QString &line);

private slots:
    void readCommands();
    void countReaderAnalysis();
    void nextScriptedPan();
    void holdStarted(const QString &timeStamp, const QString &product, const QString &pan, int bin,
                     const QString &method);
    void holdStopped(const QString &timeStamp, const QString &product, const QString &pan, int bin,
                     const QString &method, int remaining);
    void holdExpired(const QString &timeStamp, const QString &product, const QString &pan, int bin);
    void syncFinished();
    void linkBrokenChanged(bool broken);
    void errorRaised(int mainCode, int subCode1, int subCode2, int subCode3);
    void dialog(const QString &text, bool closeButton, bool show);
    void barStateChanged(int state);
    void barWarningReasonChanged(int reason);
    void panOffReader(qint64 timeStamp, int bin, quint64 pan, int remaining);
    void stopped();

private:
    static void say(const QString &text);
    bool hasReaders() const;
    bool touchEndsPreheating() const;
    TrayBarSc *barOnThisDisplay(int bin) const;
    QString placePan(const Pan &pan);
    void touch(int bin);
    void press(int bin);
    void pick(int index);
    QString describeBin(int bin) const;
    QString describeProduct(int id) const;
    QString describeLink() const;
    QString describeZones() const;
    QString describeCabinets() const;
    QString describeCabinet() const;
    void shot(const QString &file);
    void exportLog(const QString &log);

    CabinetManager &m_cabinet;
    MasterSync *m_sync = nullptr;
    Options m_options;
    int m_analysesSeen = 0;
    bool m_readersReady = false;
    int m_nextPan = 0;
    bool m_touchedForNextPan = false;
    QTimer *m_scriptTimer = nullptr;
    QSocketNotifier *m_stdin = nullptr;
    QByteArray m_pending;
    bool m_discardingLine = false;
    QHash<const TrayBarSc *, int> m_shownStates; // the state each bar showed last
};
