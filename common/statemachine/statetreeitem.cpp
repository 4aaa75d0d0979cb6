#include "statetreeitem.h"

#include "platform/kivclock.h"

StateTreeItem::StateTreeItem(QTreeWidget *tree)
    : QTreeWidgetItem(tree)
{
    init();
}

StateTreeItem::StateTreeItem(QTreeWidgetItem *parentRow)
    : QTreeWidgetItem(parentRow)
{
    init();
}

void StateTreeItem::init()
{
    m_timer.setSingleShot(true);
    m_timer.setInterval(kHighlightMs);
    connect(&m_timer, &QTimer::timeout, this, &StateTreeItem::deHighlight);
}

QString StateTreeItem::timeText(const QTime &time)
{
    return time.toString(QStringLiteral("hh:mm:ss:zzz"));
}

QString StateTreeItem::now()
{
    return timeText(KivClock::now().time());
}

// A transition's row stays red for the timer's span; a state's row until
// the state is left or the span is over, whichever comes first.
void StateTreeItem::highlight()
{
    setForeground(NameColumn, QBrush(Qt::red));
    ++m_count;
    setText(LastTimeColumn, now());
    setText(CountColumn, QString::number(m_count));
    m_timer.start();
}

void StateTreeItem::deHighlight()
{
    setForeground(NameColumn, QBrush(Qt::black));
}

void StateTreeItem::setValue(int value)
{
    setText(ValueColumn, QString::number(value));
}

void StateTreeItem::setValue(uint value)
{
    setText(ValueColumn, QString::number(value));
}

void StateTreeItem::setValue(bool value)
{
    setText(ValueColumn, value ? QStringLiteral("true") : QStringLiteral("false"));
}

void StateTreeItem::setValue(const QTime &value)
{
    setText(ValueColumn, timeText(value));
}

void StateTreeItem::setValue(const QString &value)
{
    setText(ValueColumn, value);
}
