#pragma once

#include <SDL.h>

// The few functions of SDL2 the player uses, from the library loaded when
// the first sound is due instead of linked with the program: SDL2 brings
// some twenty libraries (sound servers, Wayland, codecs through PulseAudio)
// whose loading a clock that may never sound should not pay at start-up.
struct SdlAudioLibrary {
    decltype(&SDL_InitSubSystem) InitSubSystem;
    decltype(&SDL_QuitSubSystem) QuitSubSystem;
    decltype(&SDL_OpenAudioDevice) OpenAudioDevice;
    decltype(&SDL_PauseAudioDevice) PauseAudioDevice;
    decltype(&SDL_LockAudioDevice) LockAudioDevice;
    decltype(&SDL_UnlockAudioDevice) UnlockAudioDevice;
    decltype(&SDL_CloseAudioDevice) CloseAudioDevice;
    decltype(&SDL_RWFromConstMem) RWFromConstMem;
    decltype(&SDL_LoadWAV_RW) LoadWAV_RW;
    decltype(&SDL_BuildAudioCVT) BuildAudioCVT;
    decltype(&SDL_ConvertAudio) ConvertAudio;
    decltype(&SDL_free) Free;
};

// Loads SDL2 once per process (and keeps it: its audio thread may run until
// the end); nullptr when the library or one of its functions is missing, and
// the clock is then silent.
const SdlAudioLibrary* LoadSdlAudioLibrary();
