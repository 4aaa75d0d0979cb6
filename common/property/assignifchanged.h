#pragma once

#include <utility>

// The rule every property writer follows: store the new value and report a
// change only when the value really differs, so that a Changed signal never
// fires for a write of the same value.
//
//     if (assignIfChanged(m_zoneCount, value))
//         emit zoneCountChanged(m_zoneCount);
template <typename T, typename U>
bool assignIfChanged(T &field, U &&value)
{
    if (field == value)
        return false;
    field = std::forward<U>(value);
    return true;
}
