import QtQuick 2.15

// The skin's stored colours and sizes. initProperties() puts them into the
// skin at start; until colours are edited and stored they are the skin's
// own defaults. The panel lists what is applied.
Rectangle {
    id: skinItem

    // The skin values it sets, in order, and what it holds for each.
    readonly property var skinKeys: ["dockAreaBackgroundColor", "pageDotsBorder", "pageDotsFill",
        "servicePageTitleFontColor", "servicePageTitleFontSize", "generalPanelBackgroundColor",
        "keyboardButtonColor", "keyboardButtonTextColor", "dialogBackgroundColor", "generalFontColor"]
    property var storedValues: []

    function initProperties() {
        if (storedValues.length !== skinKeys.length) {
            var defaults = []
            for (var i = 0; i < skinKeys.length; ++i)
                defaults.push(uiSkin[skinKeys[i]])
            storedValues = defaults
        }
        for (var k = 0; k < skinKeys.length; ++k)
            uiSkin[skinKeys[k]] = storedValues[k]
    }

    color: uiSkin.generalPanelBackgroundColor

    MouseArea2 {
        anchors.fill: parent
    }

    Text {
        id: title
        anchors.horizontalCenter: parent.horizontalCenter
        y: 16
        text: qsTr("UI customization") + tro.emptyStr
        color: uiSkin.servicePageTitleFontColor
        font.pixelSize: uiSkin.servicePageTitleFontSize
        font.bold: true
    }
    Image {
        objectName: "skinClose"
        x: 15
        y: 15
        source: "../images/closeX.png"
        MouseArea2 {
            anchors.fill: parent
            anchors.margins: -10
            onClicked: skinItem.visible = false
        }
    }
    Column {
        anchors.top: title.bottom
        anchors.topMargin: 16
        anchors.horizontalCenter: parent.horizontalCenter
        spacing: 6
        Repeater {
            model: skinItem.skinKeys
            Row {
                spacing: 12
                Rectangle {
                    width: 28
                    height: 28
                    border.color: "#646464"
                    color: typeof uiSkin[modelData] === "number" ? "transparent" : uiSkin[modelData]
                }
                Text {
                    anchors.verticalCenter: parent.verticalCenter
                    text: modelData + ": " + uiSkin[modelData]
                    color: uiSkin.generalFontColor
                    font.pixelSize: 16
                }
            }
        }
    }
}
