# How tests are added, so that every ctest test has a kind and a time limit.
#
# A kind is the test's one label, so `ctest -L <kind>` runs one kind:
#   unit     logic without a display, a few seconds at most
#   gui      wx windows and dialogs on a display ($DISPLAY, or Xvfb)
#   e2e      the real program started as a user starts it, seen from outside
#   fuzz     libFuzzer targets run for a bounded time
#   install  what `cmake --install` and cpack produce
#   windows  the Windows programs under Wine, seen from outside
# A test that hangs is ended after its TIMEOUT; VELLMOR_TEST_TIMEOUT is the
# limit of a test that names none.
set(VELLMOR_TEST_KINDS unit gui e2e fuzz install windows)
set(VELLMOR_TEST_TIMEOUT 120 CACHE STRING "Seconds before ctest ends a test that names no limit")

function(_vellmor_check_kind kind)
  if(NOT kind IN_LIST VELLMOR_TEST_KINDS)
    message(FATAL_ERROR "test kind '${kind}' is not one of: ${VELLMOR_TEST_KINDS}")
  endif()
endfunction()

# vellmor_add_gtests(<target> <kind> [TIMEOUT <seconds>] [PROPERTIES <name> <value>...])
# Adds each test of a GoogleTest executable as a ctest test. GUI executables
# run one at a time (they share the display's focus) and are listed when
# ctest runs, so the build needs no display; their main lists the tests
# without opening one.
function(vellmor_add_gtests target kind)
  cmake_parse_arguments(ARG "" "TIMEOUT" "PROPERTIES" ${ARGN})
  _vellmor_check_kind(${kind})
  if(NOT ARG_TIMEOUT)
    set(ARG_TIMEOUT ${VELLMOR_TEST_TIMEOUT})
  endif()
  set(discovery)
  set(properties LABELS ${kind} TIMEOUT ${ARG_TIMEOUT})
  if(kind STREQUAL "gui")
    set(discovery DISCOVERY_MODE PRE_TEST)
    list(APPEND properties RUN_SERIAL TRUE)
  elseif(CMAKE_CROSSCOMPILING)
    # Listed through the emulator (Wine) when ctest runs, not by the build.
    set(discovery DISCOVERY_MODE PRE_TEST)
  endif()
  # Listing loads the toolkit's libraries: generous on a busy machine.
  gtest_discover_tests(${target} ${discovery} DISCOVERY_TIMEOUT 60
    PROPERTIES ${properties} ${ARG_PROPERTIES})
endfunction()

# vellmor_add_test(<name> <kind> [TIMEOUT <seconds>] [PROPERTIES <name> <value>...]
#                  COMMAND <command> [<arg>...])
function(vellmor_add_test name kind)
  cmake_parse_arguments(ARG "" "TIMEOUT" "PROPERTIES;COMMAND" ${ARGN})
  _vellmor_check_kind(${kind})
  if(NOT ARG_COMMAND)
    message(FATAL_ERROR "vellmor_add_test(${name}): no COMMAND")
  endif()
  if(NOT ARG_TIMEOUT)
    set(ARG_TIMEOUT ${VELLMOR_TEST_TIMEOUT})
  endif()
  add_test(NAME ${name} COMMAND ${ARG_COMMAND})
  set_tests_properties(${name} PROPERTIES LABELS ${kind} TIMEOUT ${ARG_TIMEOUT} ${ARG_PROPERTIES})
endfunction()
