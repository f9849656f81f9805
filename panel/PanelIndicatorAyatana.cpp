// The item as a StatusNotifierItem, through libayatana-appindicator: the
// panel reads its title, label, icon name and menu (com.canonical.dbusmenu)
// over the session bus. The library has no tooltip of its own: the title and
// the label carry the text.
#include "PanelIndicator.h"

#include "AppIndicatorLibrary.h"
#include "EmbeddedResources.h"
#include "PanelSigns.h"

#include <gio/gio.h>
#include <glib.h>
#include <gtk/gtk.h>

#include <map>
#include <string>

namespace {

constexpr const char* kItemId = "org.vellmor.vellmor";
constexpr const char* kWatcherName = "org.kde.StatusNotifierWatcher";
constexpr int kBusCallTimeoutMs = 2000;

// Whether a StatusNotifierWatcher (a panel's) owns its name on the session
// bus; else the reason in a few words.
std::string WatcherAbsence()
{
    GError* error = nullptr;
    GDBusConnection* bus = g_bus_get_sync(G_BUS_TYPE_SESSION, nullptr, &error);
    if (!bus) {
        std::string reason = std::string("no session bus: ") + error->message;
        g_error_free(error);
        return reason;
    }
    GVariant* reply = g_dbus_connection_call_sync(
        bus, "org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus",
        "NameHasOwner", g_variant_new("(s)", kWatcherName), G_VARIANT_TYPE("(b)"),
        G_DBUS_CALL_FLAGS_NONE, kBusCallTimeoutMs, nullptr, &error);
    g_object_unref(bus);
    if (!reply) {
        std::string reason = std::string("the session bus did not answer: ") + error->message;
        g_error_free(error);
        return reason;
    }
    gboolean owned = FALSE;
    g_variant_get(reply, "(b)", &owned);
    g_variant_unref(reply);
    return owned ? std::string() : std::string("no StatusNotifierWatcher on the session bus");
}

// The folder the signs are written to once per run, in the hicolor layout
// a panel's icon lookup walks (SIZExSIZE/apps/NAME.png), with the largest
// also at the top for lookups that take unthemed icons only. Private to the
// user: the runtime folder, else the cache home.
std::string WriteSignFolder()
{
    const char* runtime = g_getenv("XDG_RUNTIME_DIR");
    const std::string base =
        runtime && *runtime ? std::string(runtime) : std::string(g_get_user_cache_dir());
    const std::string folder = base + "/vellmor/panel-icons";
    for (const bool dark : {false, true}) {
        for (int toki = 0; toki < 24; toki += 2) {
            const std::string name = PanelSignName(toki, dark) + ".png";
            for (const int size : kPanelSignSizes) {
                const EmbeddedResource png = FindEmbeddedResource(PanelSignFile(toki, dark, size));
                if (!png) {
                    continue;
                }
                const std::string sized = folder + "/hicolor/" + std::to_string(size) + "x" +
                                          std::to_string(size) + "/apps";
                g_mkdir_with_parents(sized.c_str(), 0700);
                const auto* bytes = reinterpret_cast<const gchar*>(png.data);
                const auto length = static_cast<gssize>(png.size);
                g_file_set_contents((sized + "/" + name).c_str(), bytes, length, nullptr);
                if (size == kPanelSignSizes[kPanelSignSizeCount - 1]) {
                    g_file_set_contents((folder + "/" + name).c_str(), bytes, length, nullptr);
                }
            }
        }
    }
    return folder;
}

// Whether the desktop asks for dark colours: GTK's prefer-dark setting, or
// a theme whose name says dark ("Adwaita-dark", "Greybird-dark"). The
// panel's own colours cannot be read from here; they mostly follow these.
bool DesktopPrefersDark()
{
    GtkSettings* settings = gtk_settings_get_default();
    if (!settings) {
        return false;
    }
    gboolean preferDark = FALSE;
    gchar* theme = nullptr;
    g_object_get(settings, "gtk-application-prefer-dark-theme", &preferDark, "gtk-theme-name",
                 &theme, nullptr);
    bool dark = preferDark != FALSE;
    if (theme) {
        gchar* lower = g_ascii_strdown(theme, -1);
        dark = dark || std::string(lower).find("dark") != std::string::npos;
        g_free(lower);
        g_free(theme);
    }
    return dark;
}

void OnItemActivated(GtkMenuItem* item, gpointer data)
{
    const auto* handler = static_cast<const PanelIndicator::MenuHandler*>(data);
    const int id = GPOINTER_TO_INT(g_object_get_data(G_OBJECT(item), "vellmor-id"));
    (*handler)(id);
}

}  // namespace

struct PanelIndicator::Native {
    const AppIndicatorLibrary* library = nullptr;
    std::string absence;
    MenuHandler onMenu;
    AppIndicator* indicator = nullptr;  // owned: one reference
    GtkWidget* menu = nullptr;          // owned: one sunk reference
    std::map<int, GtkWidget*> items;    // by id; owned by the menu
};

PanelIndicator::PanelIndicator(const std::vector<PanelMenuEntry>& entries, MenuHandler onMenu)
    : native(std::make_unique<Native>())
{
    native->onMenu = std::move(onMenu);
    native->absence = WatcherAbsence();
    if (!native->absence.empty()) {
        return;
    }
    native->library = LoadAppIndicatorLibrary();
    if (!native->library) {
        native->absence = "libayatana-appindicator3 could not be loaded";
        return;
    }
    const AppIndicatorLibrary& library = *native->library;
    // Where the panel goes away, the library would put up an icon in the old
    // XEmbed tray instead; the clock has its window for that.
    auto* indicatorClass = static_cast<AppIndicatorClass*>(g_type_class_ref(library.GetType()));
    indicatorClass->fallback = nullptr;
    indicatorClass->unfallback = nullptr;
    g_type_class_unref(indicatorClass);

    native->menu = gtk_menu_new();
    g_object_ref_sink(native->menu);
    for (const PanelMenuEntry& entry : entries) {
        GtkWidget* item = entry.id == 0 ? gtk_separator_menu_item_new()
                                        : gtk_menu_item_new_with_label(entry.text.c_str());
        if (entry.id != 0) {
            g_object_set_data(G_OBJECT(item), "vellmor-id", GINT_TO_POINTER(entry.id));
            g_signal_connect(item, "activate", G_CALLBACK(OnItemActivated), &native->onMenu);
            native->items[entry.id] = item;
        }
        gtk_menu_shell_append(GTK_MENU_SHELL(native->menu), item);
    }
    gtk_widget_show_all(native->menu);

    const std::string folder = WriteSignFolder();
    native->indicator = library.NewWithPath(kItemId, PanelSignName(0, false).c_str(),
                                            APP_INDICATOR_CATEGORY_APPLICATION_STATUS,
                                            folder.c_str());
    library.SetMenu(native->indicator, GTK_MENU(native->menu));
    library.SetStatus(native->indicator, APP_INDICATOR_STATUS_ACTIVE);
}

PanelIndicator::~PanelIndicator()
{
    if (native->indicator) {
        // Passive first: the panel drops the item before the object goes.
        native->library->SetStatus(native->indicator, APP_INDICATOR_STATUS_PASSIVE);
        g_object_unref(native->indicator);
    }
    if (native->menu) {
        gtk_widget_destroy(native->menu);
        g_object_unref(native->menu);
    }
}

bool PanelIndicator::PanelTookItem() const
{
    return native->indicator != nullptr;
}

std::string PanelIndicator::Absence() const
{
    return native->absence;
}

void PanelIndicator::Show(const std::string& text, int toki)
{
    if (!native->indicator) {
        return;
    }
    const AppIndicatorLibrary& library = *native->library;
    library.SetIconFull(native->indicator, PanelSignName(toki, DesktopPrefersDark()).c_str(),
                        text.c_str());
    library.SetTitle(native->indicator, text.c_str());
    // The guide is the widest label the panel should make room for.
    library.SetLabel(native->indicator, text.c_str(), text.c_str());
}

void PanelIndicator::SetEntryText(int id, const std::string& text)
{
    const auto found = native->items.find(id);
    if (found != native->items.end()) {
        gtk_menu_item_set_label(GTK_MENU_ITEM(found->second), text.c_str());
    }
}
