#pragma once

#include <QStringList>
#include <QtGlobal>

// Collects the warnings logged while it lives. Components wire their state
// machines by name, and a misspelt slot shows up only as a warning of the
// framework, never as a failure: tests wrap construction in a catcher and
// expect it to stay empty.
class MessageCatcher
{
public:
    MessageCatcher();
    ~MessageCatcher();
    MessageCatcher(const MessageCatcher &) = delete;
    MessageCatcher &operator=(const MessageCatcher &) = delete;

    QStringList warnings() const { return m_warnings; }

private:
    static void handler(QtMsgType type, const QMessageLogContext &context, const QString &msg);

    QStringList m_warnings;
    QtMessageHandler m_previous;
    static MessageCatcher *s_current;
};
