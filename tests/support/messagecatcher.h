#pragma once

#include <QStringList>
#include <QtGlobal>

// Collects the warnings logged while it lives. Components wire their state
// machines by name, and a misspelt slot shows up only as a warning of the
// framework, never as a failure: tests wrap construction in a catcher and
// expect it to stay empty. It also keeps every line, debug lines included,
// for tests that look for the system's own log lines.
class MessageCatcher
{
public:
    MessageCatcher();
    ~MessageCatcher();
    MessageCatcher(const MessageCatcher &) = delete;
    MessageCatcher &operator=(const MessageCatcher &) = delete;

    QStringList warnings() const { return m_warnings; }
    QStringList lines() const { return m_lines; }
    // True when a line logged so far contains the text.
    bool contains(const QString &text) const;

private:
    static void handler(QtMsgType type, const QMessageLogContext &context, const QString &msg);

    QStringList m_warnings;
    QStringList m_lines;
    QtMessageHandler m_previous;
    static MessageCatcher *s_current;
};
