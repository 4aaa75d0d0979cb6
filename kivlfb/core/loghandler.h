#pragma once

#include <QString>
#include <QtGlobal>

// The system's log-line format, written to standard output:
//   debug, info, warning:  "<epoch s> - <message>"
//   critical / fatal:      "<epoch s> - QtCriticalMsg: file = F. func = f. line = N"
//                          "msg: <message>"
// A critical message then quits the program in an orderly way; a fatal one
// ends it at once (the framework aborts after the handler returns).
QString formatLogMessage(QtMsgType type, const char *file, const char *function, int line,
                         const QString &message, qint64 epochSeconds);

void messageHandler(QtMsgType type, const QMessageLogContext &context, const QString &message);

// A value read from a file or a peer, cut for a log line: a damaged file
// must not flood the log at every start. Longer texts keep their first
// maxChars characters followed by "…".
constexpr int kLogValueChars = 200;
QString clipForLog(const QString &value, int maxChars = kLogValueChars);
