import QtQuick 2.15

// A time field "hh:mm:ss"; an incomplete time is never committed.
FieldEditBase {
    inputMask: "99:99:99"
    maxLength: 32
}
