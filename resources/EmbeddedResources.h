#pragma once

#include <cstddef>
#include <string_view>

// Files built into the executable (pictures, sounds, dialog resources),
// looked up by their bare file name such as "bell.png".
struct EmbeddedResource {
    const unsigned char* data = nullptr;
    std::size_t size = 0;
    explicit operator bool() const { return data != nullptr; }
};

// The resource of that name; empty when none was built in. Defined by the
// generated source of the resources library.
EmbeddedResource FindEmbeddedResource(std::string_view name);
