#pragma once

#include <QDateTime>
#include <QObject>
#include <QString>

// One error report or clear as the error controller carries it: a main code,
// three sub-codes and the description looked up for them. In a definition
// row of the code table a negative sub-code stands for any value; in a
// report it is an ordinary value. The writers announce every write, also of
// an unchanged value: the record is reused for each report, and listeners
// count reports, not changes.
class ErrorRecord : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString description READ get_description WRITE set_description NOTIFY descriptionChanged)
    Q_PROPERTY(int mainCode READ get_mainCode WRITE set_mainCode NOTIFY mainCodeChanged)
    Q_PROPERTY(int subCode1 READ get_subCode1 WRITE set_subCode1 NOTIFY subCode1Changed)
    Q_PROPERTY(int subCode2 READ get_subCode2 WRITE set_subCode2 NOTIFY subCode2Changed)
    Q_PROPERTY(int subCode3 READ get_subCode3 WRITE set_subCode3 NOTIFY subCode3Changed)
    Q_PROPERTY(QDateTime timestamp READ get_timestamp WRITE set_timestamp NOTIFY timestampChanged)

public:
    explicit ErrorRecord(QObject *parent = nullptr);
    ErrorRecord(int mainCode, int subCode1, int subCode2, int subCode3, const QString &description,
                QObject *parent = nullptr);

    // Copies the six properties, not the object's identity or parent.
    ErrorRecord &operator=(const ErrorRecord &other);

    QString get_description() const { return m_description; }
    int get_mainCode() const { return m_mainCode; }
    int get_subCode1() const { return m_subCode1; }
    int get_subCode2() const { return m_subCode2; }
    int get_subCode3() const { return m_subCode3; }
    QDateTime get_timestamp() const { return m_timestamp; }

    void setCodes(int mainCode, int subCode1, int subCode2, int subCode3);
    bool hasCodes(int mainCode, int subCode1, int subCode2, int subCode3) const;
    // The four codes joined by full stops, main code first: "2.1.3.0".
    QString codesText() const;

public slots:
    void set_description(const QString &value);
    void set_mainCode(int value);
    void set_subCode1(int value);
    void set_subCode2(int value);
    void set_subCode3(int value);
    void set_timestamp(const QDateTime &value);

signals:
    void descriptionChanged(QString value);
    void mainCodeChanged(int value);
    void subCode1Changed(int value);
    void subCode2Changed(int value);
    void subCode3Changed(int value);
    void timestampChanged(QDateTime value);

private:
    QString m_description = QStringLiteral("undefined");
    int m_mainCode = -1;
    int m_subCode1 = -1;
    int m_subCode2 = -1;
    int m_subCode3 = -1;
    QDateTime m_timestamp;
};
