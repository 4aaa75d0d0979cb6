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

void MessageCatcher::handler(QtMsgType type, const QMessageLogContext &context, const QString &msg)
{
    if (s_current && type != QtDebugMsg && type != QtInfoMsg)
        s_current->m_warnings.append(msg);
    if (s_current)
        s_current->m_lines.append(msg);
    if (s_current && s_current->m_previous)
        s_current->m_previous(type, context, msg);
}

bool MessageCatcher::contains(const QString &text) const
{
    for (const QString &line : m_lines)
        if (line.contains(text))
            return true;
    return false;
}
