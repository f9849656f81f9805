#include "SdlAudioLibrary.h"

#include <dlfcn.h>

namespace {

// The runtime library of Debian's libsdl2-2.0-0: the soname, ABI-stable
// across SDL 2.x.
constexpr const char* kLibraryName = "libSDL2-2.0.so.0";

template <typename Function>
bool Resolve(void* library, const char* name, Function& function)
{
    function = reinterpret_cast<Function>(dlsym(library, name));
    return function != nullptr;
}

const SdlAudioLibrary* Load()
{
    void* library = dlopen(kLibraryName, RTLD_NOW | RTLD_LOCAL);
    if (!library) {
        return nullptr;
    }
    static SdlAudioLibrary sdl{};
    const bool complete = Resolve(library, "SDL_InitSubSystem", sdl.InitSubSystem) &&
                          Resolve(library, "SDL_QuitSubSystem", sdl.QuitSubSystem) &&
                          Resolve(library, "SDL_OpenAudioDevice", sdl.OpenAudioDevice) &&
                          Resolve(library, "SDL_PauseAudioDevice", sdl.PauseAudioDevice) &&
                          Resolve(library, "SDL_LockAudioDevice", sdl.LockAudioDevice) &&
                          Resolve(library, "SDL_UnlockAudioDevice", sdl.UnlockAudioDevice) &&
                          Resolve(library, "SDL_CloseAudioDevice", sdl.CloseAudioDevice) &&
                          Resolve(library, "SDL_RWFromConstMem", sdl.RWFromConstMem) &&
                          Resolve(library, "SDL_LoadWAV_RW", sdl.LoadWAV_RW) &&
                          Resolve(library, "SDL_BuildAudioCVT", sdl.BuildAudioCVT) &&
                          Resolve(library, "SDL_ConvertAudio", sdl.ConvertAudio) &&
                          Resolve(library, "SDL_free", sdl.Free);
    return complete ? &sdl : nullptr;
}

}  // namespace

const SdlAudioLibrary* LoadSdlAudioLibrary()
{
    static const SdlAudioLibrary* const loaded = Load();
    return loaded;
}
