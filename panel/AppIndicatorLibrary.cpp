#include "AppIndicatorLibrary.h"

#include "LoadedLibrary.h"

namespace {

// The runtime library of Debian's libayatana-appindicator3-1: the soname.
constexpr const char* kLibraryName = "libayatana-appindicator3.so.1";

const AppIndicatorLibrary* Load()
{
    void* library = OpenLibrary(kLibraryName);
    if (!library) {
        return nullptr;
    }
    static AppIndicatorLibrary indicator{};
    const bool complete =
        ResolveFunction(library, "app_indicator_get_type", indicator.GetType) &&
        ResolveFunction(library, "app_indicator_new_with_path", indicator.NewWithPath) &&
        ResolveFunction(library, "app_indicator_set_menu", indicator.SetMenu) &&
        ResolveFunction(library, "app_indicator_set_status", indicator.SetStatus) &&
        ResolveFunction(library, "app_indicator_set_icon_full", indicator.SetIconFull) &&
        ResolveFunction(library, "app_indicator_set_title", indicator.SetTitle) &&
        ResolveFunction(library, "app_indicator_set_label", indicator.SetLabel);
    return complete ? &indicator : nullptr;
}

}  // namespace

const AppIndicatorLibrary* LoadAppIndicatorLibrary()
{
    static const AppIndicatorLibrary* const loaded = Load();
    return loaded;
}
