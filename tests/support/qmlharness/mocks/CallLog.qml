import QtQml 2.15

// Every call a screen makes on a mock, in order: { name: "tro.setLanguage", args: [3] }.
QtObject {
    property var calls: []

    function record(name, args) {
        var list = calls
        list.push({ name: name, args: Array.prototype.slice.call(args) })
        calls = list
    }
    function count(name) {
        return argsOf(name).length
    }
    function argsOf(name) {
        var found = []
        for (var i = 0; i < calls.length; ++i)
            if (calls[i].name === name)
                found.push(calls[i].args)
        return found
    }
    function names() {
        return calls.map(function (c) { return c.name })
    }
    function clear() {
        calls = []
    }
}
