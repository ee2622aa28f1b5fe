# Native build of the platform-free code under AddressSanitizer and
# UndefinedBehaviorSanitizer.
set(sanitize -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
target_compile_options(velmora_text PRIVATE ${sanitize})

add_executable(text_tests tests/text_tests.cpp tests/item_codec_tests.cpp tests/registry_path_tests.cpp)
target_compile_options(text_tests PRIVATE ${sanitize})
target_link_options(text_tests PRIVATE ${sanitize})
target_link_libraries(text_tests PRIVATE velmora_text gtest_main)
add_test(NAME text_tests COMMAND text_tests)

if(VELMORA_FUZZ)
  add_executable(text_fuzzer tests/fuzz/text_fuzzer.cpp entries/text.cpp entries/item_codec.cpp
    registry/registry_path.cpp)
  target_include_directories(text_fuzzer PRIVATE ${CMAKE_SOURCE_DIR})
  target_compile_options(text_fuzzer PRIVATE -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all)
  target_link_options(text_fuzzer PRIVATE -fsanitize=fuzzer,address,undefined)
endif()
