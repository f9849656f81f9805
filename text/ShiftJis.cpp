#include "ShiftJis.h"

#include "Cp932Codec.h"

std::string Utf8ToCp932(std::string_view utf8)
{
    return ConvertUtf8ToCp932(utf8);
}

std::string Cp932ToUtf8(std::string_view cp932)
{
    return ConvertCp932ToUtf8(cp932);
}

std::size_t ShiftJisByteLength(std::string_view utf8)
{
    return Utf8ToCp932(utf8).size();
}

std::string CutCp932(std::string_view cp932, std::size_t maxBytes)
{
    std::size_t end = 0;
    while (end < cp932.size()) {
        const std::size_t width =
            IsCp932LeadByte(static_cast<unsigned char>(cp932[end])) ? 2 : 1;
        if (end + width > maxBytes) {
            break;
        }
        end += width;
    }
    // A lead byte at the very end of the input has no trail byte to keep.
    if (end > cp932.size()) {
        end = cp932.size() - 1;
    }
    return std::string(cp932.substr(0, end));
}

std::string CutUtf8ToShiftJisBytes(std::string_view utf8, std::size_t maxBytes)
{
    std::size_t end = 0;
    std::size_t bytes = 0;
    while (end < utf8.size()) {
        const std::size_t n = Utf8CharLength(utf8.substr(end));
        const std::size_t charLength = n > 0 ? n : 1;
        const std::size_t width = ShiftJisByteLength(utf8.substr(end, charLength));
        if (bytes + width > maxBytes) {
            break;
        }
        bytes += width;
        end += charLength;
    }
    return std::string(utf8.substr(0, end));
}
