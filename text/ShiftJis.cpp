#include "ShiftJis.h"

#include <cerrno>
#include <iconv.h>

namespace {

constexpr std::string_view kUtf8Replacement = "\xEF\xBF\xBD";  // U+FFFD
constexpr std::string_view kCp932Replacement = "?";

// Owns one iconv conversion descriptor.
class IconvHandle {
public:
    IconvHandle(const char* to, const char* from) : handle(iconv_open(to, from)) {}
    ~IconvHandle()
    {
        if (Valid()) {
            iconv_close(handle);
        }
    }
    IconvHandle(const IconvHandle&) = delete;
    IconvHandle& operator=(const IconvHandle&) = delete;

    bool Valid() const { return handle != reinterpret_cast<iconv_t>(-1); }
    iconv_t Get() const { return handle; }

private:
    iconv_t handle;
};

bool IsContinuation(unsigned char c)
{
    return (c & 0xC0) == 0x80;
}

// Length of the well-formed UTF-8 character at the start of text, or 0 when
// the bytes there are not one (overlong forms and surrogates included).
std::size_t Utf8CharLength(std::string_view text)
{
    if (text.empty()) {
        return 0;
    }
    const auto b0 = static_cast<unsigned char>(text[0]);
    std::size_t n = 0;
    unsigned char lo = 0x80, hi = 0xBF;  // allowed range of the second byte
    if (b0 < 0x80) {
        return 1;
    } else if (b0 >= 0xC2 && b0 <= 0xDF) {
        n = 2;
    } else if (b0 >= 0xE0 && b0 <= 0xEF) {
        n = 3;
        lo = b0 == 0xE0 ? 0xA0 : 0x80;
        hi = b0 == 0xED ? 0x9F : 0xBF;
    } else if (b0 >= 0xF0 && b0 <= 0xF4) {
        n = 4;
        lo = b0 == 0xF0 ? 0x90 : 0x80;
        hi = b0 == 0xF4 ? 0x8F : 0xBF;
    } else {
        return 0;
    }
    if (text.size() < n) {
        return 0;
    }
    const auto b1 = static_cast<unsigned char>(text[1]);
    if (b1 < lo || b1 > hi) {
        return 0;
    }
    for (std::size_t i = 2; i < n; ++i) {
        if (!IsContinuation(static_cast<unsigned char>(text[i]))) {
            return 0;
        }
    }
    return n;
}

enum class Direction { ToCp932, ToUtf8 };

// Used only when the C library offers no CP932 converter: ASCII passes, every
// other byte is replaced.
std::string AsciiOnly(std::string_view in, Direction direction)
{
    std::string out;
    for (char c : in) {
        if (static_cast<unsigned char>(c) < 0x80) {
            out += c;
        } else {
            out += direction == Direction::ToCp932 ? kCp932Replacement : kUtf8Replacement;
        }
    }
    return out;
}

std::string Convert(std::string_view in, Direction direction)
{
    const bool toCp932 = direction == Direction::ToCp932;
    // Opening a converter costs far more than converting a short text, so
    // each thread keeps one per direction (a descriptor is not thread-safe).
    thread_local const IconvHandle toCp932Handle("CP932", "UTF-8");
    thread_local const IconvHandle toUtf8Handle("UTF-8", "CP932");
    const IconvHandle& cd = toCp932 ? toCp932Handle : toUtf8Handle;
    if (!cd.Valid()) {
        return AsciiOnly(in, direction);
    }
    iconv(cd.Get(), nullptr, nullptr, nullptr, nullptr);  // start from the initial state
    const std::string_view replacement = toCp932 ? kCp932Replacement : kUtf8Replacement;

    std::string out;
    // A CP932 byte becomes at most 3 UTF-8 bytes; a UTF-8 character never
    // grows in CP932.
    std::string chunk(in.size() * 3 + 16, '\0');
    std::size_t pos = 0;
    while (pos < in.size()) {
        char* src = const_cast<char*>(in.data() + pos);
        std::size_t srcLeft = in.size() - pos;
        char* dst = chunk.data();
        std::size_t dstLeft = chunk.size();
        const std::size_t rc = iconv(cd.Get(), &src, &srcLeft, &dst, &dstLeft);
        const int error = errno;
        out.append(chunk.data(), chunk.size() - dstLeft);
        pos = in.size() - srcLeft;
        if (rc != static_cast<std::size_t>(-1)) {
            break;
        }
        if (error == E2BIG) {
            continue;
        }
        // EILSEQ or EINVAL: replace and step over the offending bytes. A
        // well-formed UTF-8 character that CP932 lacks is stepped over whole.
        std::size_t skip = 1;
        if (toCp932) {
            const std::size_t n = Utf8CharLength(in.substr(pos));
            skip = n > 0 ? n : 1;
        }
        out += replacement;
        pos += skip;
        iconv(cd.Get(), nullptr, nullptr, nullptr, nullptr);  // reset the shift state
    }
    return out;
}

}  // namespace

std::string Utf8ToCp932(std::string_view utf8)
{
    return Convert(utf8, Direction::ToCp932);
}

std::string Cp932ToUtf8(std::string_view cp932)
{
    return Convert(cp932, Direction::ToUtf8);
}

std::size_t ShiftJisByteLength(std::string_view utf8)
{
    return Utf8ToCp932(utf8).size();
}

bool IsCp932LeadByte(unsigned char byte)
{
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
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
