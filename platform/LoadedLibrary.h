#pragma once

#include <dlfcn.h>

// A library the program loads when it is first wanted instead of linking it:
// its loading, with the libraries it brings, would otherwise cost every start.
// Opened once and kept for the rest of the process.

// The library by its soname, its symbols resolved at once and kept to itself;
// nullptr when it cannot be loaded.
inline void* OpenLibrary(const char* soname)
{
    return dlopen(soname, RTLD_NOW | RTLD_LOCAL);
}

// The function `name` of an opened library into `function`; false when the
// library has no such function.
template <typename Function>
bool ResolveFunction(void* library, const char* name, Function& function)
{
    function = reinterpret_cast<Function>(dlsym(library, name));
    return function != nullptr;
}
