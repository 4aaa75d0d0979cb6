#pragma once

#include <QObject>
#include <QString>

// One entry of the timer-colour table: the text colour and the background
// colour of a running timer, fixed at construction.
class TimerColorsData : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString foreColor READ getForeColor NOTIFY foreColorChanged)
    Q_PROPERTY(QString backColor READ getBackColor NOTIFY backColorChanged)

public:
    explicit TimerColorsData(QObject *parent = nullptr);
    TimerColorsData(const QString &foreColor, const QString &backColor, QObject *parent = nullptr);

    QString getForeColor() const { return m_foreColor; }
    QString getBackColor() const { return m_backColor; }

signals:
    void foreColorChanged();
    void backColorChanged();

private:
    const QString m_foreColor;
    const QString m_backColor;
};
