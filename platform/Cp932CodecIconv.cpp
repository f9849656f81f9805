#include "Cp932Codec.h"

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

std::string ConvertUtf8ToCp932(std::string_view utf8)
{
    return Convert(utf8, Direction::ToCp932);
}

std::string ConvertCp932ToUtf8(std::string_view cp932)
{
    return Convert(cp932, Direction::ToUtf8);
}
