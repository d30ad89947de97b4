#include "Oleacc.h"

namespace oleacc {
namespace {

template <typename F> void lookUp(HMODULE library, const char* name, F& function) {
    function = reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(library, name)));
}

} // namespace

const Functions* functions() {
    static const Functions found = [] {
        Functions f;
        if (HMODULE library = LoadLibraryW(L"oleacc.dll")) {
            lookUp(library, "CreateStdAccessibleObject", f.createStdAccessibleObject);
            lookUp(library, "LresultFromObject", f.lresultFromObject);
            lookUp(library, "AccessibleObjectFromWindow", f.accessibleObjectFromWindow);
        }
        return f;
    }();
    const bool complete = found.createStdAccessibleObject && found.lresultFromObject &&
                          found.accessibleObjectFromWindow;
    return complete ? &found : nullptr;
}

} // namespace oleacc
