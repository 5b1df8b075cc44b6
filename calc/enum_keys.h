#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

// An enumeration's keys, listed in the order of its values, are the words that choice fields
// offer and files store. These go from a key to the value and back.
namespace mx::enum_keys {

// The value whose key is `key`, or nothing for a key that is not on the list.
template <typename Enum, std::size_t N>
std::optional<Enum> valueOf(const std::array<std::string_view, N> &keys, std::string_view key) {
    const auto found = std::find(keys.begin(), keys.end(), key);
    if (found == keys.end()) {
        return std::nullopt;
    }
    return static_cast<Enum>(found - keys.begin());
}

template <typename Enum, std::size_t N>
std::string_view keyOf(const std::array<std::string_view, N> &keys, Enum value) {
    return keys[static_cast<std::size_t>(value)];
}

} // namespace mx::enum_keys
