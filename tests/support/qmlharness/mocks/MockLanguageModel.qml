import QtQml 2.15

// languagesModelNew: the languages the cabinet may offer.
QtObject {
    // Row n is language n; { name, id, isAvailable } each.
    property var languageList: [
        { name: "English(US)", id: 0, isAvailable: true },
        { name: "Español", id: 1, isAvailable: true },
        { name: "Français", id: 2, isAvailable: false }
    ]

    signal changed()
}
