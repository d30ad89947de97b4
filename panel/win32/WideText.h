#pragma once

#include <string>
#include <string_view>

// A caption of the design for the wide-character API: the captions are plain
// ASCII, so each character carries over as it is.
inline std::wstring widen(std::string_view text) {
    return {text.begin(), text.end()};
}
