import QtQuick 2.15

// The dark blue bar with the return button and the brand logo: along the
// left edge of a landscape screen (vertical), along the bottom of a
// portrait one.
Rectangle {
    id: footer

    property bool vertical: true
    readonly property int margin: 12

    signal returnClicked()

    color: "#0a1f4d"

    Image {
        id: returnButton
        objectName: "returnButton"
        source: "../images/common/return-button-white.png"
        x: footer.vertical ? (footer.width - width) / 2 : footer.margin
        y: footer.vertical ? footer.margin : (footer.height - height) / 2

        MouseArea {
            anchors.fill: parent
            onClicked: footer.returnClicked()
        }
    }

    Image {
        objectName: "brandLogo"
        source: "../images/common/veltrix-logo-white.png"
        x: footer.vertical ? (footer.width - width) / 2 : footer.width - width - footer.margin
        y: footer.vertical ? footer.height - height - footer.margin : (footer.height - height) / 2
    }
}
