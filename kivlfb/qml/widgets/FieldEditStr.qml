import QtQuick 2.15

// A free-text edit field; the text wraps inside the field.
FieldEditBase {
    focusOnPress: false
    wrapMode: TextInput.WrapAnywhere
}
