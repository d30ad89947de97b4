#pragma once

#include <windows.h>

#include <string>

// Gives a control the name a screen reader announces, without changing its
// caption. Silent where the system offers no accessibility annotations.
void setAccessibleName(HWND control, const std::wstring& name);
