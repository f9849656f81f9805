# Interface targets for the GUI toolkit and the sound library, so that only
# the targets that link them see their flags.
if(WIN32)
  # The static wxMSW build has no html library: nothing here uses it.
  find_package(wxWidgets 3.2 REQUIRED COMPONENTS xrc xml core base)
else()
  find_package(wxWidgets 3.2 REQUIRED COMPONENTS xrc html core base)
endif()
add_library(vellmor_wx INTERFACE)
target_include_directories(vellmor_wx SYSTEM INTERFACE ${wxWidgets_INCLUDE_DIRS})
target_compile_definitions(vellmor_wx INTERFACE ${wxWidgets_DEFINITIONS})
target_compile_options(vellmor_wx INTERFACE $<$<COMPILE_LANGUAGE:CXX>:${wxWidgets_CXX_FLAGS}>)
target_link_libraries(vellmor_wx INTERFACE ${wxWidgets_LIBRARIES})

if(WIN32)
  # Windows brings its own sound service (winmm) and has no X server.
  return()
endif()

find_package(PkgConfig REQUIRED)
# SDL2 for sound: the player compiles against its headers and loads the
# library itself when the first sound is due (audio/SdlAudioLibrary), so the
# program does not link it. Tests that call SDL themselves link it.
pkg_check_modules(SDL2 REQUIRED IMPORTED_TARGET sdl2)
add_library(vellmor_sdl2_headers INTERFACE)
target_include_directories(vellmor_sdl2_headers SYSTEM INTERFACE ${SDL2_INCLUDE_DIRS})
target_compile_options(vellmor_sdl2_headers INTERFACE ${SDL2_CFLAGS_OTHER})
target_link_libraries(vellmor_sdl2_headers INTERFACE ${CMAKE_DL_LIBS})
add_library(vellmor_sdl2 INTERFACE)
target_link_libraries(vellmor_sdl2 INTERFACE PkgConfig::SDL2)

# Xlib itself, for the one hook the toolkit offers no wrapper for: the loss of
# the connection to the X server.
pkg_check_modules(X11 REQUIRED IMPORTED_TARGET x11)
add_library(vellmor_x11 INTERFACE)
target_link_libraries(vellmor_x11 INTERFACE PkgConfig::X11)

# GLib's log writer, for the hook GTK offers none for under Wayland: the loss
# of the connection to the compositor, which GTK reports in a log message and
# ends the process right after.
pkg_check_modules(GLIB REQUIRED IMPORTED_TARGET glib-2.0)
add_library(vellmor_glib INTERFACE)
target_link_libraries(vellmor_glib INTERFACE PkgConfig::GLIB)

# GDK's X11 side, where the clock copies its time straight to its X window
# (view/X11TextBlitter); without it the time is drawn through the toolkit.
add_library(vellmor_gdk_x11 INTERFACE)
if(wxWidgets_DEFINITIONS MATCHES "__WXGTK__")
  pkg_check_modules(GDK_X11 IMPORTED_TARGET gdk-x11-3.0)
endif()
if(GDK_X11_FOUND)
  target_compile_definitions(vellmor_gdk_x11 INTERFACE VELLMOR_X11_TEXT_BLIT=1)
  target_link_libraries(vellmor_gdk_x11 INTERFACE PkgConfig::GDK_X11 PkgConfig::X11)
endif()

# GDK's Wayland side and the Wayland client library (which GTK loads
# anyway), where the clock shows its time on sub-surfaces of its window
# (view/WaylandTextBlitter); without them the time is drawn through the
# toolkit.
add_library(vellmor_gdk_wayland INTERFACE)
if(wxWidgets_DEFINITIONS MATCHES "__WXGTK__")
  pkg_check_modules(GDK_WAYLAND IMPORTED_TARGET gdk-wayland-3.0 wayland-client)
endif()
if(GDK_WAYLAND_FOUND)
  target_link_libraries(vellmor_gdk_wayland INTERFACE PkgConfig::GDK_WAYLAND)
endif()
