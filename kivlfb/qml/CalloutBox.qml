import QtQuick 2.15

// The frame of one bin in the zone views.
Rectangle {
    width: 90
    height: 90
    color: "#d5d5d5"
    border.color: "black"
}
