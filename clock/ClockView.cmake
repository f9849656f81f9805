# ---- Clock view: the wx adapter of the clock logic ----------------------------
add_library(vellmor_clock_view STATIC
  ${CMAKE_CURRENT_LIST_DIR}/ClockFonts.cpp
  ${CMAKE_CURRENT_LIST_DIR}/VellmorView.cpp
)
target_include_directories(vellmor_clock_view PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(vellmor_clock_view PUBLIC vellmor_clock_logic vellmor_sound
  vellmor_wx_resources vellmor_dialogs vellmor_wx)
