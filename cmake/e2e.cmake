# The end-to-end test: a driver that starts the real velmora.exe (a copy in a
# fresh folder) as a process of its own and works its windows like a user.
# Its arguments: the program, and the folder for the screenshots it saves.
add_executable(e2e_tests tests/e2e/e2e_tests.cpp tests/e2e/remote_ui.cpp tests/e2e/machine_state.cpp
  tests/folder_tree.cpp)
target_include_directories(e2e_tests PRIVATE ${CMAKE_SOURCE_DIR})
target_link_libraries(e2e_tests PRIVATE gtest advapi32 gdi32 user32)
add_dependencies(e2e_tests velmora)
add_test(NAME e2e_tests COMMAND e2e_tests $<TARGET_FILE:velmora> ${CMAKE_BINARY_DIR}/e2e-screenshots)
set_tests_properties(e2e_tests PROPERTIES TIMEOUT 120)
