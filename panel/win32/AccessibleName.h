#pragma once

#include <windows.h>
#include <wrl/client.h>

#include <string>

struct IAccPropServices;

// Gives controls the names a screen reader announces, without changing their
// captions. Silent where the system offers no accessibility annotations.
class AccessibleNames {
public:
    AccessibleNames();
    ~AccessibleNames();
    AccessibleNames(const AccessibleNames&) = delete;
    AccessibleNames& operator=(const AccessibleNames&) = delete;

    void set(HWND control, const std::wstring& name);

private:
    Microsoft::WRL::ComPtr<IAccPropServices> services_;
};
