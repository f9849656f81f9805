# ---- Application shell: wx program, sound player, instance guard -------------
add_library(vellmor_sound STATIC ${CMAKE_CURRENT_LIST_DIR}/SoundPlayer.cpp)
target_include_directories(vellmor_sound PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(vellmor_sound PUBLIC vellmor_sdl_mixer vellmor_resources)

add_library(vellmor_wx_resources STATIC ${CMAKE_CURRENT_LIST_DIR}/EmbeddedImage.cpp)
target_include_directories(vellmor_wx_resources PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(vellmor_wx_resources PUBLIC vellmor_resources vellmor_wx)

# The command line's meaning: standard C++ only, no toolkit.
add_library(vellmor_switches STATIC
  ${CMAKE_CURRENT_LIST_DIR}/RegistrationSwitches.cpp
  ${CMAKE_CURRENT_LIST_DIR}/StartupArguments.cpp
)
target_include_directories(vellmor_switches PUBLIC ${CMAKE_CURRENT_LIST_DIR})

# The window, document and program-wide services; the executable adds main().
add_library(vellmor_shell STATIC
  ${CMAKE_CURRENT_LIST_DIR}/AboutCommand.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DisplayConnection.cpp
  ${CMAKE_CURRENT_LIST_DIR}/InstanceGuard.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MainFrame.cpp
  ${CMAKE_CURRENT_LIST_DIR}/VellmorDoc.cpp
)
target_include_directories(vellmor_shell PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(vellmor_shell PUBLIC vellmor_clock_view vellmor_sound vellmor_switches
  vellmor_settings vellmor_wx_resources vellmor_version vellmor_wx vellmor_x11)

add_executable(vellmor ${CMAKE_CURRENT_LIST_DIR}/VellmorApp.cpp)
target_link_libraries(vellmor PRIVATE vellmor_shell)
# The settings file sits beside the program: keep the build's binary at the
# top of the build tree so a build is a portable copy.
set_target_properties(vellmor PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR})
