#pragma once

#include <windows.h>

#include <cstdint>
#include <span>

// The bytes of an RCDATA resource of the program; empty when it is missing.
// They live as long as the module.
inline std::span<const std::uint8_t> resourceBytes(HINSTANCE instance, int id) {
    HRSRC found = FindResourceW(instance, MAKEINTRESOURCEW(id), MAKEINTRESOURCEW(10)); // RT_RCDATA
    if (!found) {
        return {};
    }
    HGLOBAL loaded = LoadResource(instance, found);
    const void* data = loaded ? LockResource(loaded) : nullptr;
    if (!data) {
        return {};
    }
    return {static_cast<const std::uint8_t*>(data), SizeofResource(instance, found)};
}
