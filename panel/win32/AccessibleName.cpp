#include "AccessibleName.h"

#include <oleacc.h>

AccessibleNames::AccessibleNames() {
    CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER, IID_IAccPropServices,
                     reinterpret_cast<void**>(services_.GetAddressOf()));
}

AccessibleNames::~AccessibleNames() = default;

void AccessibleNames::set(HWND control, const std::wstring& name) {
    if (services_ && control) {
        services_->SetHwndPropStr(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                                  PROPID_ACC_NAME, name.c_str());
    }
}
