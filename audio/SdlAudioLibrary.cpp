#include "SdlAudioLibrary.h"

#include "LoadedLibrary.h"

namespace {

// The runtime library of Debian's libsdl2-2.0-0: the soname, ABI-stable
// across SDL 2.x.
constexpr const char* kLibraryName = "libSDL2-2.0.so.0";

const SdlAudioLibrary* Load()
{
    void* library = OpenLibrary(kLibraryName);
    if (!library) {
        return nullptr;
    }
    static SdlAudioLibrary sdl{};
    const bool complete =
        ResolveFunction(library, "SDL_InitSubSystem", sdl.InitSubSystem) &&
        ResolveFunction(library, "SDL_QuitSubSystem", sdl.QuitSubSystem) &&
        ResolveFunction(library, "SDL_OpenAudioDevice", sdl.OpenAudioDevice) &&
        ResolveFunction(library, "SDL_PauseAudioDevice", sdl.PauseAudioDevice) &&
        ResolveFunction(library, "SDL_LockAudioDevice", sdl.LockAudioDevice) &&
        ResolveFunction(library, "SDL_UnlockAudioDevice", sdl.UnlockAudioDevice) &&
        ResolveFunction(library, "SDL_CloseAudioDevice", sdl.CloseAudioDevice) &&
        ResolveFunction(library, "SDL_RWFromConstMem", sdl.RWFromConstMem) &&
        ResolveFunction(library, "SDL_LoadWAV_RW", sdl.LoadWAV_RW) &&
        ResolveFunction(library, "SDL_BuildAudioCVT", sdl.BuildAudioCVT) &&
        ResolveFunction(library, "SDL_ConvertAudio", sdl.ConvertAudio) &&
        ResolveFunction(library, "SDL_free", sdl.Free);
    return complete ? &sdl : nullptr;
}

}  // namespace

const SdlAudioLibrary* LoadSdlAudioLibrary()
{
    static const SdlAudioLibrary* const loaded = Load();
    return loaded;
}
