#pragma once

#include <QString>
#include <QVector>

// The fixed table that gives every error code its text. A report is a main
// code and three sub-codes; a row names a main code and three sub-codes, a
// negative sub-code meaning any value. Texts carry place holders "\1" to
// "\4" for the report's main code and sub-codes 1 to 3.
class ErrorCodeTable
{
public:
    static constexpr int Any = -1;
    // The translation context of the texts.
    static constexpr const char *Context = "KivErrorController";

    struct Definition {
        int mainCode = 0;
        int subCode1 = Any;
        int subCode2 = Any;
        int subCode3 = Any;
        QString text;
    };

    // The rows in search order, their texts translated into the current
    // language.
    static QVector<Definition> translated();

    // The text of the first row that matches, with its place holders filled,
    // or "Undefined". A row matches when its main code equals the report's
    // and then sub-code 1, 2 and 3 in turn are equal, up to the first
    // negative one, which matches the rest at once.
    static QString describe(const QVector<Definition> &table, int mainCode, int subCode1,
                            int subCode2, int subCode3);
};
