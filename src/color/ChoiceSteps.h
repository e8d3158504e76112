#pragma once
// Stepping through a short list of choices (a wheel's notches over sizes or zooms).

#include <algorithm>
#include <array>
#include <cstddef>

namespace sv {

// The choice steps places after value, held within the list; a value not in the list counts
// as the choice at fallback.
template <std::size_t N>
constexpr int stepThrough(const std::array<int, N>& choices, int value, int steps,
                          std::size_t fallback) {
    const auto* at = std::find(choices.begin(), choices.end(), value);
    const int index = at == choices.end() ? int(fallback) : int(at - choices.begin());
    return choices[std::size_t(std::clamp(index + steps, 0, int(N) - 1))];
}

} // namespace sv
