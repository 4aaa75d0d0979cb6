import QtQuick 2.15

// A numeric edit field: whole numbers from minVal to maxVal, or decimals at
// `precision` places; the label names the unit in the display's scale.
FieldEditBase {
    id: field

    property real minVal: 0
    property real maxVal: 1000
    property real newVal: 0

    labelText: units === "" ? label : label + " (" + unitText(units, tscale) + ")"
    showCursor: true
    toSignalValue: function (text) { return Number(text) }
    validator: precision === 0 ? intValidator : decimalValidator

    // "T" is a temperature and "dT" a temperature difference, shown in the
    // scale the cabinet uses; any scale other than f or k counts as Celsius.
    function unitText(u, scale) {
        var letter = scale === "f" ? "F" : scale === "k" ? "K" : "C"
        if (u === "T")
            return "\u00b0" + letter
        if (u === "dT")
            return "\u0394" + letter
        return u
    }

    IntValidator {
        id: intValidator
        bottom: Math.round(field.minVal)
        top: Math.round(field.maxVal)
    }
    DoubleValidator {
        id: decimalValidator
        bottom: field.minVal
        top: field.maxVal
        decimals: field.precision
        notation: DoubleValidator.StandardNotation
    }
}
