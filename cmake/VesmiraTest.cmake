# vesmira_add_test(NAME SOURCES... [GUI])
# One QtTest executable per module. Core tests link the core library only;
# GUI tests link the widget library and run on the offscreen platform. The
# test data folder is passed as VESMIRA_TEST_DATA, the application directory of
# the build as VESMIRA_APP_DIR.
function(vesmira_add_test name)
  cmake_parse_arguments(ARG "GUI" "" "" ${ARGN})
  add_executable(${name} ${ARG_UNPARSED_ARGUMENTS})
  if(ARG_GUI)
    target_link_libraries(${name} PRIVATE vesmira_gui Qt5::Test)
  else()
    target_link_libraries(${name} PRIVATE vesmira_core Qt5::Test)
  endif()
  target_compile_definitions(${name} PRIVATE
    VESMIRA_TEST_DATA="${CMAKE_SOURCE_DIR}/tests/data"
    VESMIRA_APP_DIR="${VESMIRA_APP_DIR}"
    VESMIRA_RESOURCE_DIR="${CMAKE_BINARY_DIR}/resources")
  add_dependencies(${name} vesmira_resources)
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})
  add_dependencies(${name} gbk_table)
  add_test(NAME ${name} COMMAND ${name})
  set(_env "QT_QPA_PLATFORM=offscreen;LC_ALL=C.UTF-8;TZ=UTC")
  if(VESMIRA_SANITIZE)
    list(APPEND _env "LSAN_OPTIONS=suppressions=${CMAKE_SOURCE_DIR}/tests/lsan.supp:print_suppressions=0")
  endif()
  set_tests_properties(${name} PROPERTIES ENVIRONMENT "${_env}" TIMEOUT 300)
endfunction()
