import QtQuick 2.15

// The picture between the two stacked bins of a zone: the cavity with the
// basket of each bin, a large basket when the first bin holds a full-size pan.
Item {
    id: cavity

    property bool mirror: false
    property int firstPanSize: 1
    property bool firstEnabled: true
    property bool secondEnabled: true
    readonly property bool firstLarge: firstPanSize === 2

    width: picture.width
    height: 52

    Image {
        id: picture
        anchors.centerIn: parent
        height: parent.height
        source: "images/zoneCavityB.png"
    }
    Row {
        anchors.centerIn: parent
        spacing: 8
        layoutDirection: cavity.mirror ? Qt.RightToLeft : Qt.LeftToRight

        Column {
            objectName: "firstBasket"
            Image { source: "images/callout_down.png"; anchors.horizontalCenter: parent.horizontalCenter }
            Image { source: cavity.firstLarge ? "images/largeBasketB.png" : "images/smallBasketB.png" }
        }
        Column {
            objectName: "secondBasket"
            visible: !cavity.firstLarge && cavity.secondEnabled
            opacity: cavity.firstEnabled && !cavity.firstLarge && !cavity.secondEnabled ? 0.001 : 1.0
            Image { source: "images/smallBasketB.png" }
            Image { source: "images/callout_up.png"; anchors.horizontalCenter: parent.horizontalCenter }
        }
    }
}
