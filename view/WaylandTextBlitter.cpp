#include "WaylandTextBlitter.h"

#include "X11NativeHolder.h"

#include <wx/image.h>
#include <wx/window.h>

#include <gdk/gdkwayland.h>
#include <wayland-client.h>

#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <cstring>
#include <map>
#include <optional>

namespace {

// More distinct pieces after the cut than a clock ever shows ("00 " to
// "60 "); past this the cache starts over rather than grow.
constexpr std::size_t kMaxTails = 128;

// One rendered part of the text: a buffer the compositor keeps. Its pixels
// never change, so it may be attached again while the compositor still
// holds it.
struct WaylandPiece {
    wl_buffer* buffer = nullptr;
    int width = 0;
};

// A sub-surface of the window and the piece it shows.
struct Overlay {
    wl_surface* surface = nullptr;
    wl_subsurface* sub = nullptr;
    wl_buffer* shown = nullptr;
    int x = 0;  // in the window's surface
    int y = 0;
};

}  // namespace

struct WaylandTextBlitter::Compositor {
    GdkWindow* window = nullptr;    // the canvas's own
    GdkWindow* toplevel = nullptr;  // the one with the wl_surface
    wl_display* display = nullptr;
    wl_event_queue* queue = nullptr;  // ours: GTK never sees these events
    wl_display* wrapper = nullptr;    // the display on our queue
    wl_registry* registry = nullptr;
    wl_compositor* compositor = nullptr;
    wl_subcompositor* subcompositor = nullptr;
    wl_shm* shm = nullptr;
    int offsetX = 0;  // of the canvas's origin in the window's surface
    int offsetY = 0;
    Overlay headOverlay;
    Overlay tailOverlay;
    bool hidden = true;  // the overlays are in step with the window (sync)

    std::optional<TextStyle> style;  // of the pieces kept
    int cutX = -1;
    int height = 0;
    std::string head;
    WaylandPiece headPiece;
    WaylandPiece retiredHead;  // shown until headPiece is attached
    std::map<std::string, WaylandPiece> tails;

    ~Compositor()
    {
        Forget();
        for (Overlay* overlay : {&headOverlay, &tailOverlay}) {
            if (overlay->sub) {
                wl_subsurface_destroy(overlay->sub);
            }
            if (overlay->surface) {
                wl_surface_destroy(overlay->surface);
            }
        }
        if (shm) {
            wl_shm_destroy(shm);
        }
        if (subcompositor) {
            wl_subcompositor_destroy(subcompositor);
        }
        if (compositor) {
            wl_compositor_destroy(compositor);
        }
        if (registry) {
            wl_registry_destroy(registry);
        }
        if (wrapper) {
            wl_proxy_wrapper_destroy(wrapper);
        }
        if (display) {
            wl_display_flush(display);
        }
        if (queue) {
            wl_event_queue_destroy(queue);
        }
    }

    void Free(WaylandPiece& piece)
    {
        if (piece.buffer) {
            wl_buffer_destroy(piece.buffer);
        }
        piece = WaylandPiece{};
    }

    void ForgetTails()
    {
        for (auto& tail : tails) {
            Free(tail.second);
        }
        tails.clear();
    }

    // Every piece goes; the overlays, which may show them, are hidden first.
    void Forget()
    {
        HideNow();
        Free(headPiece);
        Free(retiredHead);
        head.clear();
        ForgetTails();
        cutX = -1;
        height = 0;
    }

    bool Bind()
    {
        queue = wl_display_create_queue(display);
        wrapper = static_cast<wl_display*>(wl_proxy_create_wrapper(display));
        if (!queue || !wrapper) {
            return false;
        }
        wl_proxy_set_queue(reinterpret_cast<wl_proxy*>(wrapper), queue);
        registry = wl_display_get_registry(wrapper);
        static const wl_registry_listener listener = {OnGlobal, OnGlobalRemove};
        wl_registry_add_listener(registry, &listener, this);
        if (wl_display_roundtrip_queue(display, queue) < 0) {
            return false;
        }
        return compositor && subcompositor && shm && MakeOverlay(headOverlay) &&
               MakeOverlay(tailOverlay);
    }

    static void OnGlobal(void* data, wl_registry* registry, uint32_t name, const char* interface,
                         uint32_t)
    {
        auto* c = static_cast<Compositor*>(data);
        if (std::strcmp(interface, wl_compositor_interface.name) == 0 && !c->compositor) {
            c->compositor = static_cast<wl_compositor*>(
                wl_registry_bind(registry, name, &wl_compositor_interface, 1));
        } else if (std::strcmp(interface, wl_subcompositor_interface.name) == 0 &&
                   !c->subcompositor) {
            c->subcompositor = static_cast<wl_subcompositor*>(
                wl_registry_bind(registry, name, &wl_subcompositor_interface, 1));
        } else if (std::strcmp(interface, wl_shm_interface.name) == 0 && !c->shm) {
            c->shm = static_cast<wl_shm*>(wl_registry_bind(registry, name, &wl_shm_interface, 1));
        }
    }
    static void OnGlobalRemove(void*, wl_registry*, uint32_t) {}

    bool MakeOverlay(Overlay& overlay)
    {
        wl_surface* parent = gdk_wayland_window_get_wl_surface(toplevel);
        if (!parent) {
            return false;
        }
        overlay.surface = wl_compositor_create_surface(compositor);
        overlay.sub = wl_subcompositor_get_subsurface(subcompositor, overlay.surface, parent);
        // Clicks go through to the window (its double-click among them).
        wl_region* none = wl_compositor_create_region(compositor);
        wl_surface_set_input_region(overlay.surface, none);
        wl_region_destroy(none);
        wl_subsurface_set_sync(overlay.sub);
        return true;
    }

    // Places an overlay; the place takes effect with the window's next frame.
    bool Place(Overlay& overlay, int x, int y)
    {
        if (overlay.x == x && overlay.y == y && overlay.sub) {
            return true;
        }
        overlay.x = x;
        overlay.y = y;
        wl_subsurface_set_position(overlay.sub, x, y);
        return false;
    }

    void Show(Overlay& overlay, wl_buffer* buffer, int width)
    {
        if (overlay.shown == buffer) {
            return;
        }
        overlay.shown = buffer;
        wl_surface_attach(overlay.surface, buffer, 0, 0);
        wl_surface_damage(overlay.surface, 0, 0, width, height);
        wl_surface_commit(overlay.surface);
    }

    // Takes both overlays away with the window's next frame.
    void HideNow()
    {
        if (hidden) {
            return;
        }
        hidden = true;
        for (Overlay* overlay : {&headOverlay, &tailOverlay}) {
            wl_subsurface_set_sync(overlay->sub);
            wl_surface_attach(overlay->surface, nullptr, 0, 0);
            wl_surface_commit(overlay->surface);
            overlay->shown = nullptr;
        }
        wl_display_flush(display);
    }

    // Puts the columns [fromX, fromX + width) of the image into a buffer.
    bool Upload(const wxImage& image, int fromX, int width, WaylandPiece& piece)
    {
        Free(piece);
        if (width <= 0) {
            return true;
        }
        const int stride = width * 4;
        const std::size_t size = static_cast<std::size_t>(stride) * height;
        const int fd = memfd_create("vellmor-text", MFD_CLOEXEC);
        if (fd < 0) {
            return false;
        }
        if (ftruncate(fd, static_cast<off_t>(size)) != 0) {
            close(fd);
            return false;
        }
        void* memory = mmap(nullptr, size, PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0);
        if (memory == MAP_FAILED) {
            close(fd);
            return false;
        }
        // XRGB8888, little-endian words: B, G, R, X in memory.
        auto* pixels = static_cast<unsigned char*>(memory);
        const unsigned char* rgb = image.GetData();
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                const unsigned char* p = rgb + 3 * (y * image.GetWidth() + fromX + x);
                unsigned char* q = pixels + y * stride + 4 * x;
                q[0] = p[2];
                q[1] = p[1];
                q[2] = p[0];
                q[3] = 0xff;
            }
        }
        munmap(memory, size);
        wl_shm_pool* pool = wl_shm_create_pool(shm, fd, static_cast<int32_t>(size));
        close(fd);
        piece.buffer = wl_shm_pool_create_buffer(pool, 0, width, height, stride,
                                                 WL_SHM_FORMAT_XRGB8888);
        wl_shm_pool_destroy(pool);  // the buffer keeps the memory
        piece.width = width;
        return piece.buffer != nullptr;
    }

    bool Render(const std::string& text, const std::string& headText,
                const std::string& tailText, const TextRenderer& render)
    {
        const wxString wide = wxString::FromUTF8(text);
        const TextRendering rendering = render(wide);
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
        if (headText != head || (cutX > 0 && !headPiece.buffer)) {
            // The head shown until the new one is attached goes after that.
            WaylandPiece fresh;
            if (!Upload(image, 0, cutX, fresh)) {
                head.clear();
                return false;
            }
            Free(retiredHead);
            retiredHead = headPiece;
            headPiece = fresh;
            head = headText;
        }
        if (tails.size() >= kMaxTails) {
            HideNow();
            ForgetTails();
        }
        if (!Upload(image, cutX, width - cutX, tails[tailText])) {
            tails.erase(tailText);
            return false;
        }
        return true;
    }
};


WaylandTextBlitter::WaylandTextBlitter(wxWindow* target) : canvas(target) {}

WaylandTextBlitter::~WaylandTextBlitter() = default;

bool WaylandTextBlitter::Attach()
{
    if (unusable || !canvas) {
        return false;
    }
    GdkWindow* window = canvas->GTKGetDrawingWindow();
    if (!window) {
        return false;  // not realized yet
    }
    GdkDisplay* display = gdk_window_get_display(window);
    if (!GDK_IS_WAYLAND_DISPLAY(display)) {
        unusable = true;
        return false;
    }
    int offsetX = 0, offsetY = 0;
    GdkWindow* toplevel = X11NativeHolder(window, offsetX, offsetY);
    // Pieces are rendered at scale 1; on a scaled output the text is drawn
    // the usual way, at the output's own detail.
    if (!toplevel || gdk_window_get_scale_factor(window) != 1) {
        if (attached) {
            attached->HideNow();
        }
        return false;
    }
    if (attached && attached->window == window && attached->toplevel == toplevel) {
        attached->offsetX = offsetX;
        attached->offsetY = offsetY;
        return true;
    }
    attached.reset();
    auto compositor = std::make_unique<Compositor>();
    compositor->window = window;
    compositor->toplevel = toplevel;
    compositor->display = gdk_wayland_display_get_wl_display(display);
    compositor->offsetX = offsetX;
    compositor->offsetY = offsetY;
    if (!compositor->Bind()) {
        unusable = true;
        return false;
    }
    attached = std::move(compositor);
    return true;
}

bool WaylandTextBlitter::Draw(const std::string& text, int x, int y, const TextStyle& style,
                              const TextRenderer& render)
{
    if (!Attach()) {
        return false;
    }
    Compositor& c = *attached;
    // Whatever came for our buffers (releases) is dropped here, so that
    // our queue does not grow.
    wl_display_dispatch_queue_pending(c.display, c.queue);
    if (c.style != style) {
        c.Forget();
        c.style = style;
    }
    const std::size_t cut = text.rfind(':');
    const std::string head = cut == std::string::npos ? std::string() : text.substr(0, cut + 1);
    const std::string tail = cut == std::string::npos ? text : text.substr(cut + 1);

    auto found = c.tails.find(tail);
    if (head != c.head || found == c.tails.end()) {
        if (!c.Render(text, head, tail, render)) {
            c.Forget();
            return false;
        }
        found = c.tails.find(tail);
        if (found == c.tails.end()) {
            return false;
        }
    }
    const int left = c.offsetX + x;
    const int top = c.offsetY + y;
    const bool headPlaced = c.Place(c.headOverlay, left, top);
    const bool tailPlaced = c.Place(c.tailOverlay, left + c.cutX, top);
    if (!headPlaced || !tailPlaced) {
        // A new place applies with the window's next frame: the caller's
        // repaint this time, the overlays from the next draw on.
        c.HideNow();
        return false;
    }
    if (c.hidden) {
        c.hidden = false;
        wl_subsurface_set_desync(c.headOverlay.sub);
        wl_subsurface_set_desync(c.tailOverlay.sub);
    }
    if (c.headPiece.buffer) {
        c.Show(c.headOverlay, c.headPiece.buffer, c.headPiece.width);
    }
    c.Show(c.tailOverlay, found->second.buffer, found->second.width);
    c.Free(c.retiredHead);
    wl_display_flush(c.display);
    return true;
}

void WaylandTextBlitter::Hide()
{
    if (attached) {
        attached->HideNow();
    }
}
