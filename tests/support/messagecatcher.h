#pragma once

#include <QMutex>
#include <QStringList>
#include <QtGlobal>

// Collects the warnings logged while it lives. Components wire their state
// machines by name, and a misspelt slot shows up only as a warning of the
// framework, never as a failure: tests wrap construction in a catcher and
// expect it to stay empty. messages() holds every line of any kind, from
// any thread.
class MessageCatcher
{
public:
    MessageCatcher();
    ~MessageCatcher();
    MessageCatcher(const MessageCatcher &) = delete;
    MessageCatcher &operator=(const MessageCatcher &) = delete;

    QStringList warnings() const;
    QStringList messages() const;
    // True when a line logged so far contains the text.
    bool contains(const QString &text) const;

private:
    static void handler(QtMsgType type, const QMessageLogContext &context, const QString &msg);

    mutable QMutex m_mutex;
    QStringList m_warnings;
    QStringList m_messages;
    QtMessageHandler m_previous;
    static MessageCatcher *s_current;
};
