#include "AccessibleName.h"

#include <oleacc.h>
#include <wrl/client.h>

void setAccessibleName(HWND control, const std::wstring& name) {
    if (!control) {
        return;
    }
    Microsoft::WRL::ComPtr<IAccPropServices> services;
    if (FAILED(CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER,
                                IID_IAccPropServices,
                                reinterpret_cast<void**>(services.GetAddressOf())))) {
        return;
    }
    services->SetHwndPropStr(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                             PROPID_ACC_NAME, name.c_str());
}
