#include "loghandler.h"

#include "platform/kivclock.h"

#include <QCoreApplication>
#include <QMetaObject>
#include <QMutex>

#include <cstdio>

QString formatLogMessage(QtMsgType type, const char *file, const char *function, int line,
                         const QString &message, qint64 epochSeconds)
{
    const QString seconds = QString::number(epochSeconds);
    const char *kind = nullptr;
    if (type == QtCriticalMsg)
        kind = " - QtCriticalMsg: file = ";
    else if (type == QtFatalMsg)
        kind = " - QtFatalMsg: file = ";

    if (!kind)
        return seconds + QLatin1String(" - ") + message + QLatin1Char('\n');

    return seconds + QLatin1String(kind) + QString::fromUtf8(file ? file : "")
        + QLatin1String(". func = ") + QString::fromUtf8(function ? function : "")
        + QLatin1String(". line = ") + QString::number(line) + QLatin1Char('\n')
        + QLatin1String("msg: ") + message + QLatin1Char('\n');
}

QString clipForLog(const QString &value, int maxChars)
{
    if (value.size() <= maxChars)
        return value;
    return value.left(maxChars) + QChar(0x2026);
}

void messageHandler(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    const QByteArray text = formatLogMessage(type, context.file, context.function, context.line,
                                             message, KivClock::secsSinceEpoch())
                                .toUtf8();
    {
        // Worker threads log too: keep each message's lines together.
        static QMutex mutex;
        QMutexLocker lock(&mutex);
        std::fwrite(text.constData(), 1, static_cast<size_t>(text.size()), stdout);
        std::fflush(stdout);
    }

    if (type == QtCriticalMsg || type == QtFatalMsg) {
        // Queued, so it is safe from any thread and also before the event
        // loop runs: the loop then returns as soon as it starts.
        if (QCoreApplication *app = QCoreApplication::instance())
            QMetaObject::invokeMethod(app, "quit", Qt::QueuedConnection);
    }
}
