#pragma once

#include <libayatana-appindicator/app-indicator.h>

// The few functions of libayatana-appindicator the panel item uses, from the
// library loaded when the item is first wanted instead of linked with the
// program: with its own (the indicator and dbusmenu libraries) it adds five
// libraries whose loading costs every start some milliseconds, while the
// item is off unless the user turns it on.
struct AppIndicatorLibrary {
    decltype(&app_indicator_get_type) GetType;
    decltype(&app_indicator_new_with_path) NewWithPath;
    decltype(&app_indicator_set_menu) SetMenu;
    decltype(&app_indicator_set_status) SetStatus;
    decltype(&app_indicator_set_icon_full) SetIconFull;
    decltype(&app_indicator_set_title) SetTitle;
    decltype(&app_indicator_set_label) SetLabel;
};

// Loads the library once per process and keeps it (its GObject type stays
// registered); nullptr when it or one of its functions is missing, and the
// item is then absent as where no panel takes it.
const AppIndicatorLibrary* LoadAppIndicatorLibrary();
