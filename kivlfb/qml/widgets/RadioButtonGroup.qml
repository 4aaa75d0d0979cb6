import QtQuick 2.15

// Radio buttons laid out in a grid from a list model whose elements carry
// "label"; exactly the button at selected_index is shown selected.
Item {
    id: group

    property int columns: 2
    property int rows: 2
    property int column_spacing: 12
    property int row_spacing: 2
    property int default_index: -1
    property int selected_index: -1
    property color label_color: "black"
    property real label_font_size: 24
    property alias model: repeater.model

    signal selectionChanged(int index)

    implicitWidth: grid.implicitWidth
    implicitHeight: grid.implicitHeight

    function buttonCount() {
        return repeater.count
    }
    function buttonAt(index) {
        return repeater.itemAt(index)
    }

    function setSelection(index) {
        for (var i = 0; i < repeater.count; ++i)
            repeater.itemAt(i).is_selected = false
        if (index >= 0 && index < repeater.count) {
            repeater.itemAt(index).is_selected = true
            selected_index = index
        }
    }

    Grid {
        id: grid
        columns: group.columns
        rows: group.rows
        spacing: group.column_spacing

        Repeater {
            id: repeater
            delegate: RadioButton {
                label: model.label
                index: model.index
                is_selected: false
                label_color: group.label_color
                label_font_size: group.label_font_size
                onSelected: {
                    group.setSelection(index)
                    group.selectionChanged(index)
                }
            }
        }
    }

    Component.onCompleted: {
        if (default_index >= 0 && default_index < repeater.count)
            setSelection(default_index)
    }
}
