#pragma once

#include <QObject>
#include <QTime>
#include <QTimer>
#include <QTreeWidgetItem>

// One row of the tracer's trees: a state or transition of a traced machine,
// or one of its properties. A state or transition row turns red when it is
// highlighted and counts how often that happened; a property row shows the
// property's live value in column 2. Owned by its tree widget like any item.
class StateTreeItem : public QObject, public QTreeWidgetItem
{
    Q_OBJECT

public:
    enum Column { NameColumn = 0, TypeColumn = 1, TargetColumn = 2, ValueColumn = 2,
                  LastTimeColumn = 3, CountColumn = 4 };

    explicit StateTreeItem(QTreeWidget *tree);
    explicit StateTreeItem(QTreeWidgetItem *parentRow);

    int count() const { return m_count; }
    bool isHighlightTimerRunning() const { return m_timer.isActive(); }

    static constexpr int kHighlightMs = 200;

    // "hh:mm:ss:zzz", the time form of every trace line and row.
    static QString timeText(const QTime &time);
    // The time of day through the system clock, in that form.
    static QString now();

public slots:
    void highlight();
    void deHighlight();
    void setValue(int value);
    void setValue(uint value);
    void setValue(bool value);
    void setValue(const QTime &value);
    void setValue(const QString &value);

private:
    void init();

    QTimer m_timer;
    int m_count = 0;
};
