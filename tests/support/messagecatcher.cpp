#include "messagecatcher.h"

MessageCatcher *MessageCatcher::s_current = nullptr;

MessageCatcher::MessageCatcher()
{
    s_current = this;
    m_previous = qInstallMessageHandler(&MessageCatcher::handler);
}

MessageCatcher::~MessageCatcher()
{
    qInstallMessageHandler(m_previous);
    s_current = nullptr;
}

QStringList MessageCatcher::warnings() const
{
    QMutexLocker lock(&m_mutex);
    return m_warnings;
}

QStringList MessageCatcher::messages() const
{
    QMutexLocker lock(&m_mutex);
    return m_messages;
}

void MessageCatcher::handler(QtMsgType type, const QMessageLogContext &context, const QString &msg)
{
    if (s_current) {
        QMutexLocker lock(&s_current->m_mutex);
        s_current->m_messages.append(msg);
        if (type != QtDebugMsg && type != QtInfoMsg)
            s_current->m_warnings.append(msg);
    }
    if (s_current && s_current->m_previous)
        s_current->m_previous(type, context, msg);
}

bool MessageCatcher::contains(const QString &text) const
{
    QMutexLocker lock(&m_mutex);
    for (const QString &line : m_messages)
        if (line.contains(text))
            return true;
    return false;
}
