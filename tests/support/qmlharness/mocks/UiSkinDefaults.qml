import QtQuick 2.15

// uiSkin for widgets tested outside the main window (which has its own).
QtObject {
    property color dockAreaBackgroundColor: "#003874"
    property color pageDotsBorder: "#003874"
    property color pageDotsFill: "white"
    property color servicePageTitleFontColor: "#303030"
    property int servicePageTitleFontSize: 24
    property color generalPanelBackgroundColor: "white"
    property color keyboardButtonColor: "#d2d2d2"
    property color keyboardButtonColorDark: "#B4B4B4"
    property color keyboardButtonTextColor: "black"
    property color dialogBackgroundColor: "white"
    property color generalFontColor: "black"
}
