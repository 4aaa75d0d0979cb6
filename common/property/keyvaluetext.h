#pragma once

#include <QChar>
#include <QString>

// Whether a text can be the value of a key=value line. A line break would end
// the value and start a line of the sender's choosing, and no value holds any
// other control character either.
inline bool isKeyValueText(const QString &value)
{
    for (const QChar c : value)
        if (c.category() == QChar::Other_Control)
            return false;
    return true;
}
