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
pkg_check_modules(SDL2_MIXER REQUIRED IMPORTED_TARGET SDL2_mixer)
add_library(vellmor_sdl_mixer INTERFACE)
target_link_libraries(vellmor_sdl_mixer INTERFACE PkgConfig::SDL2_MIXER)

# Xlib itself, for the one hook the toolkit offers no wrapper for: the loss of
# the connection to the X server.
pkg_check_modules(X11 REQUIRED IMPORTED_TARGET x11)
add_library(vellmor_x11 INTERFACE)
target_link_libraries(vellmor_x11 INTERFACE PkgConfig::X11)
