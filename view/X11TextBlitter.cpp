#include "X11TextBlitter.h"

#include <wx/window.h>
#include <wx/image.h>

#include "X11NativeHolder.h"

#include <gdk/gdkx.h>

#include <cstdint>
#include <cstdlib>
#include <map>
#include <optional>

namespace {

// More distinct pieces after the cut than a clock ever shows ("00 " to
// "60 "); past this the cache starts over rather than grow.
constexpr std::size_t kMaxTails = 128;

int LowestBit(unsigned long mask)
{
    int shift = 0;
    while (mask != 0 && (mask & 1UL) == 0) {
        mask >>= 1;
        ++shift;
    }
    return shift;
}

// One rendered part of the text, in the server.
struct X11Piece {
    Pixmap pixmap = 0;
    int width = 0;
};

}  // namespace

struct X11TextBlitter::Server {
    GdkWindow* window = nullptr;  // the canvas's own
    GdkWindow* native = nullptr;  // its nearest ancestor with an X window
    GdkDisplay* gdkDisplay = nullptr;
    Display* display = nullptr;
    Window xid = 0;   // native's
    int offsetX = 0;  // of the canvas's origin in native
    int offsetY = 0;
    Visual* visual = nullptr;
    int depth = 0;
    GC gc = nullptr;

    std::optional<TextStyle> style;  // of the pieces kept
    int cutX = -1;    // pixels from the text's left to the cut
    int height = 0;   // of every piece
    std::string head;  // the text up to and with the cut's ':', as in headPiece
    X11Piece headPiece;
    std::map<std::string, X11Piece> tails;  // by the text after the cut

    ~Server()
    {
        gdk_x11_display_error_trap_push(gdkDisplay);
        Forget();
        if (gc) {
            XFreeGC(display, gc);
        }
        XFlush(display);
        gdk_x11_display_error_trap_pop_ignored(gdkDisplay);
    }

    void Free(X11Piece& piece)
    {
        if (piece.pixmap) {
            XFreePixmap(display, piece.pixmap);
        }
        piece = X11Piece{};
    }

    void ForgetTails()
    {
        for (auto& tail : tails) {
            Free(tail.second);
        }
        tails.clear();
    }

    void Forget()
    {
        Free(headPiece);
        head.clear();
        ForgetTails();
        cutX = -1;
        height = 0;
    }

    unsigned long PixelOf(unsigned char r, unsigned char g, unsigned char b) const
    {
        const auto scale = [](unsigned char c, unsigned long mask) {
            const int shift = LowestBit(mask);
            return ((c * (mask >> shift) + 127) / 255) << shift;
        };
        const unsigned long colours = visual->red_mask | visual->green_mask | visual->blue_mask;
        const unsigned long all = depth >= 32 ? ~0UL : (1UL << depth) - 1;
        // Bits outside the colours (alpha of a 32-bit visual): opaque.
        return scale(r, visual->red_mask) | scale(g, visual->green_mask) |
               scale(b, visual->blue_mask) | (all & ~colours);
    }

    // 8 bits of red, green and blue in one 32-bit word in the host's byte
    // order, as the server takes it.
    bool IsPlainXrgb(const XImage& pixels) const
    {
        constexpr int kHostOrder = __BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__ ? LSBFirst : MSBFirst;
        return pixels.bits_per_pixel == 32 && pixels.byte_order == kHostOrder &&
               visual->red_mask == 0xff0000 && visual->green_mask == 0xff00 &&
               visual->blue_mask == 0xff;
    }

    // Puts the columns [fromX, fromX + width) of the image into a pixmap.
    bool Upload(const wxImage& image, int fromX, int width, X11Piece& piece)
    {
        Free(piece);
        if (width <= 0) {
            return true;
        }
        XImage* pixels =
            XCreateImage(display, visual, static_cast<unsigned>(depth), ZPixmap, 0, nullptr,
                         static_cast<unsigned>(width), static_cast<unsigned>(height), 32, 0);
        if (!pixels) {
            return false;
        }
        pixels->data = static_cast<char*>(
            std::malloc(static_cast<std::size_t>(pixels->bytes_per_line) * height));
        if (!pixels->data) {
            XDestroyImage(pixels);
            return false;
        }
        const unsigned char* rgb = image.GetData();
        if (IsPlainXrgb(*pixels)) {
            // The usual 24- and 32-bit visuals: each pixel one native word,
            // written directly (XPutPixel's per-pixel work was most of a
            // new minute's cost on an idle clock).
            const std::uint32_t opaque = static_cast<std::uint32_t>(PixelOf(0, 0, 0));
            for (int y = 0; y < height; ++y) {
                const unsigned char* p = rgb + 3 * (y * image.GetWidth() + fromX);
                auto* row = reinterpret_cast<std::uint32_t*>(pixels->data +
                                                             y * pixels->bytes_per_line);
                for (int x = 0; x < width; ++x, p += 3) {
                    row[x] = opaque | (std::uint32_t{p[0]} << 16) | (std::uint32_t{p[1]} << 8) |
                             std::uint32_t{p[2]};
                }
            }
        } else {
            for (int y = 0; y < height; ++y) {
                for (int x = 0; x < width; ++x) {
                    const unsigned char* p = rgb + 3 * (y * image.GetWidth() + fromX + x);
                    XPutPixel(pixels, x, y, PixelOf(p[0], p[1], p[2]));
                }
            }
        }
        piece.pixmap = XCreatePixmap(display, xid, static_cast<unsigned>(width),
                                     static_cast<unsigned>(height), static_cast<unsigned>(depth));
        piece.width = width;
        XPutImage(display, piece.pixmap, gc, pixels, 0, 0, 0, 0, static_cast<unsigned>(width),
                  static_cast<unsigned>(height));
        XDestroyImage(pixels);  // frees the pixel buffer too
        return true;
    }

    // Renders the whole text and keeps its pieces: the head when it is new,
    // the tail always.
    bool Render(const std::string& text, const std::string& headText,
                const std::string& tailText, const Renderer& render)
    {
        const wxString wide = wxString::FromUTF8(text);
        const Rendering rendering = render(wide);
        if (!rendering.bitmap.IsOk() || rendering.extents.size() != wide.length()) {
            return false;
        }
        const int width = rendering.bitmap.GetWidth();
        const int cut = TextCutX(wide, rendering.extents);
        if (cut != cutX || rendering.bitmap.GetHeight() != height) {
            Forget();  // pieces of another shape do not join with these
            cutX = cut;
            height = rendering.bitmap.GetHeight();
        }
        const wxImage image = rendering.bitmap.ConvertToImage();
        if (headText != head || (cutX > 0 && !headPiece.pixmap)) {
            if (!Upload(image, 0, cutX, headPiece)) {
                head.clear();
                return false;
            }
            head = headText;
        }
        if (tails.size() >= kMaxTails) {
            ForgetTails();
        }
        if (!Upload(image, cutX, width - cutX, tails[tailText])) {
            tails.erase(tailText);
            return false;
        }
        return true;
    }
};

X11TextBlitter::X11TextBlitter(wxWindow* target) : canvas(target) {}

X11TextBlitter::~X11TextBlitter() = default;

bool X11TextBlitter::Attach()
{
    if (unusable || !canvas) {
        return false;
    }
    GdkWindow* window = canvas->GTKGetDrawingWindow();
    if (!window) {
        return false;  // not realized yet
    }
    int offsetX = 0, offsetY = 0;
    GdkWindow* native = X11NativeHolder(window, offsetX, offsetY);
    if (!native) {
        return false;
    }
    // Pieces are rendered at scale 1; on a scaled monitor the text is
    // drawn the usual way.
    if (gdk_window_get_scale_factor(window) != 1) {
        return false;
    }
    if (attached && attached->window == window && attached->native == native) {
        attached->offsetX = offsetX;
        attached->offsetY = offsetY;
        return true;
    }
    attached.reset();
    GdkDisplay* display = gdk_window_get_display(window);
    if (!GDK_IS_X11_DISPLAY(display)) {
        unusable = true;
        return false;
    }
    Visual* visual = gdk_x11_visual_get_xvisual(gdk_window_get_visual(native));
    const int depth = gdk_visual_get_depth(gdk_window_get_visual(native));
    if (!visual || visual->c_class != TrueColor || depth < 15) {
        unusable = true;
        return false;
    }
    auto server = std::make_unique<Server>();
    server->window = window;
    server->native = native;
    server->offsetX = offsetX;
    server->offsetY = offsetY;
    server->gdkDisplay = display;
    server->display = gdk_x11_display_get_xdisplay(display);
    server->xid = gdk_x11_window_get_xid(native);
    server->visual = visual;
    server->depth = depth;
    XGCValues values{};
    values.graphics_exposures = False;  // no NoExpose events for GDK to read
    gdk_x11_display_error_trap_push(display);
    server->gc = XCreateGC(server->display, server->xid, GCGraphicsExposures, &values);
    if (gdk_x11_display_error_trap_pop(display) != 0 || !server->gc) {
        server->gc = nullptr;
        unusable = true;
        return false;
    }
    attached = std::move(server);
    return true;
}

bool X11TextBlitter::Draw(const std::string& text, int x, int y, const TextStyle& style,
                          const Renderer& render)
{
    if (!Attach()) {
        return false;
    }
    Server& server = *attached;
    if (server.style != style) {
        server.Forget();
        server.style = style;
    }
    // A clock's texts fit the strings' own buffer: no heap while cached.
    const std::size_t cut = text.rfind(':');
    const std::string head = cut == std::string::npos ? std::string() : text.substr(0, cut + 1);
    const std::string tail = cut == std::string::npos ? text : text.substr(cut + 1);

    auto found = server.tails.find(tail);
    if (head != server.head || found == server.tails.end()) {
        // New pieces: the only requests here that can fail (a full server).
        gdk_x11_display_error_trap_push(server.gdkDisplay);
        const bool rendered = server.Render(text, head, tail, render);
        if (gdk_x11_display_error_trap_pop(server.gdkDisplay) != 0 || !rendered) {
            gdk_x11_display_error_trap_push(server.gdkDisplay);
            server.Forget();
            gdk_x11_display_error_trap_pop_ignored(server.gdkDisplay);
            return false;
        }
        found = server.tails.find(tail);
        if (found == server.tails.end()) {
            return false;
        }
    }
    // Two copies between resources known to exist: nothing to trap. They go
    // out when the loop next looks for events, within the same wake-up.
    const unsigned height = static_cast<unsigned>(server.height);
    const int left = server.offsetX + x;
    const int top = server.offsetY + y;
    if (server.headPiece.pixmap) {
        XCopyArea(server.display, server.headPiece.pixmap, server.xid, server.gc, 0, 0,
                  static_cast<unsigned>(server.headPiece.width), height, left, top);
    }
    if (found->second.pixmap) {
        XCopyArea(server.display, found->second.pixmap, server.xid, server.gc, 0, 0,
                  static_cast<unsigned>(found->second.width), height, left + server.cutX, top);
    }
    return true;
}
