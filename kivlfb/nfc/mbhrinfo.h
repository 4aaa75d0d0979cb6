#pragma once

#include <QObject>
#include <QString>

// One holding register of the I/O board as the raw monitoring page shows it:
// its number, its name and its last value as text.
class MbHrInfo : public QObject
{
    Q_OBJECT
    Q_PROPERTY(int regIdx READ get_regIdx WRITE set_regIdx NOTIFY regIdxChanged)
    Q_PROPERTY(QString regName READ get_regName WRITE set_regName NOTIFY regNameChanged)
    Q_PROPERTY(QString value READ get_value NOTIFY valueChanged)
    Q_PROPERTY(bool valueSigned READ get_valueSigned WRITE set_valueSigned NOTIFY valueSignedChanged)
    Q_PROPERTY(int format READ get_format WRITE set_format NOTIFY formatChanged)

public:
    enum MBHR_FORMAT_tag {
        MBHR_FORMAT_DECIMAL = 0,
        MBHR_FORMAT_HEX = 1
    };
    Q_ENUM(MBHR_FORMAT_tag)

    explicit MbHrInfo(QObject *parent = nullptr);
    MbHrInfo(int regIdx, const QString &regName, int value, bool valueSigned, int format,
             QObject *parent = nullptr);

    int get_regIdx() const { return m_regIdx; }
    QString get_regName() const { return m_regName; }
    // Decimal or hexadecimal by format; a signed row shows the whole 32-bit
    // value, an unsigned one its low 16 bits.
    QString get_value() const;
    int get_rawValue() const { return m_value; }
    bool get_valueSigned() const { return m_valueSigned; }
    int get_format() const { return m_format; }

signals:
    void regIdxChanged(int value);
    void regNameChanged(QString value);
    void valueChanged(QString value);
    void valueSignedChanged(bool value);
    void formatChanged(int value);

public slots:
    void set_regIdx(int value);
    void set_regName(const QString &value);
    void set_value(int value);
    void set_valueSigned(bool value);
    void set_format(int value);

private:
    int m_regIdx = 0;
    QString m_regName;
    int m_value = 0;
    bool m_valueSigned = false;
    int m_format = MBHR_FORMAT_DECIMAL;
};
