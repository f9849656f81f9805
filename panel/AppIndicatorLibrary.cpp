#include "AppIndicatorLibrary.h"

#include <dlfcn.h>

namespace {

// The runtime library of Debian's libayatana-appindicator3-1: the soname.
constexpr const char* kLibraryName = "libayatana-appindicator3.so.1";

template <typename Function>
bool Resolve(void* library, const char* name, Function& function)
{
    function = reinterpret_cast<Function>(dlsym(library, name));
    return function != nullptr;
}

const AppIndicatorLibrary* Load()
{
    void* library = dlopen(kLibraryName, RTLD_NOW | RTLD_LOCAL);
    if (!library) {
        return nullptr;
    }
    static AppIndicatorLibrary indicator{};
    const bool complete =
        Resolve(library, "app_indicator_get_type", indicator.GetType) &&
        Resolve(library, "app_indicator_new_with_path", indicator.NewWithPath) &&
        Resolve(library, "app_indicator_set_menu", indicator.SetMenu) &&
        Resolve(library, "app_indicator_set_status", indicator.SetStatus) &&
        Resolve(library, "app_indicator_set_icon_full", indicator.SetIconFull) &&
        Resolve(library, "app_indicator_set_title", indicator.SetTitle) &&
        Resolve(library, "app_indicator_set_label", indicator.SetLabel);
    return complete ? &indicator : nullptr;
}

}  // namespace

const AppIndicatorLibrary* LoadAppIndicatorLibrary()
{
    static const AppIndicatorLibrary* const loaded = Load();
    return loaded;
}
