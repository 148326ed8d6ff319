# Tests that drive the real vdkedit.exe under Wine (Windows build only).
#
#   add_gui_test(<name> <sources>...)
#
# builds <name> against the GUI driver, makes sure the program is built
# first, and registers the test with the `codepage` label so that it runs
# again under code page 936.
function(add_gui_test name)
  add_executable(${name} ${ARGN})
  target_link_libraries(${name} PRIVATE gui_driver gtest_main)
  add_dependencies(${name} vdkedit)
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES LABELS codepage)
endfunction()
