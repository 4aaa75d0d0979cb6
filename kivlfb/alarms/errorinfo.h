#pragma once

#include <QList>
#include <QMetaType>
#include <QString>

// One row of the error-log screen.
struct ErrorInfo
{
    QString dateText;
    QString timeText;
    QString codesText;
    QString description;
    int mainCode = 0;

    bool operator==(const ErrorInfo &o) const
    {
        return dateText == o.dateText && timeText == o.timeText && codesText == o.codesText
            && description == o.description && mainCode == o.mainCode;
    }
};

using ErrorInfoList = QList<ErrorInfo>;

Q_DECLARE_METATYPE(ErrorInfo)
Q_DECLARE_METATYPE(ErrorInfoList)
