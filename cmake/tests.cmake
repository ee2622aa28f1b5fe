# Test programs. ctest runs them under Wine through CMAKE_CROSSCOMPILING_EMULATOR
# (64-bit build only; the 32-bit build compiles and links them).
function(velmora_test name)
  add_executable(${name} ${ARGN})
  add_test(NAME ${name} COMMAND ${name})
endfunction()

velmora_test(text_tests tests/text_tests.cpp tests/item_codec_tests.cpp tests/registry_path_tests.cpp)
target_link_libraries(text_tests PRIVATE velmora_text gtest_main)

velmora_test(entries_tests tests/entry_store_tests.cpp tests/program_paths_tests.cpp
  tests/test_folder.cpp tests/folder_tree.cpp)
target_link_libraries(entries_tests PRIVATE velmora_core gtest_main)

velmora_test(registry_tests tests/registry_calls_tests.cpp tests/registry_real_tests.cpp
  tests/registry_fixture.cpp)
target_link_libraries(registry_tests PRIVATE velmora_core gtest_main)

velmora_test(shellmenu_tests tests/publish_tests.cpp tests/remove_tests.cpp
  tests/menu_fixture.cpp tests/registry_fixture.cpp tests/test_folder.cpp tests/folder_tree.cpp)
target_link_libraries(shellmenu_tests PRIVATE velmora_core gtest_main)

velmora_test(ui_tests tests/main_window_tests.cpp tests/editor_window_tests.cpp tests/hostile_data_tests.cpp
  tests/fault_tests.cpp tests/ui_fixture.cpp
  tests/menu_fixture.cpp tests/registry_fixture.cpp tests/test_folder.cpp tests/folder_tree.cpp assets/velmora.rc)
target_link_libraries(ui_tests PRIVATE velmora_ui gtest_main)
include(cmake/e2e.cmake OPTIONAL)

# Measuring programs for scripts/bench (not tests).
add_executable(bare_window WIN32 tests/bench/bare_window.cpp)
add_executable(launch_bench tests/bench/launch_bench.cpp)
add_executable(publish_bench tests/bench/publish_bench.cpp)
target_link_libraries(publish_bench PRIVATE velmora_core)
