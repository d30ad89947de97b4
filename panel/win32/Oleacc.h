#pragma once

#include <windows.h>

#include <oleacc.h>

// The few functions of the accessibility library the panel calls, looked up
// the first time a client asks for an object, so that a panel nobody reads
// never loads the library.
namespace oleacc {

struct Functions {
    decltype(&::CreateStdAccessibleObject) createStdAccessibleObject = nullptr;
    decltype(&::LresultFromObject) lresultFromObject = nullptr;
    decltype(&::AccessibleObjectFromWindow) accessibleObjectFromWindow = nullptr;
};

// Null when the library or one of them is missing.
const Functions* functions();

} // namespace oleacc
