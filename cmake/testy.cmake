# The tests: unit tests of the pure helpers and the console, and black-box
# tests that play the built game on piped input and on a pseudo-terminal.
enable_testing()
find_package(GTest)
if(NOT GTest_FOUND)
  message(STATUS "GoogleTest not found: only the game is built "
                 "(tools/test.sh installs it)")
  return()
endif()
include(GoogleTest)

add_executable(jednotkove_testy
  src/harmoniky_test.cc
  src/konzole_test.cc
  src/penize_test.cc
  src/tvar_poctu_test.cc)
target_link_libraries(jednotkove_testy PRIVATE hra GTest::gtest_main)
gtest_discover_tests(jednotkove_testy)

add_executable(testy_hry
  src/hra_test.cc
  src/terminal_test.cc
  src/vstup_test.cc
  src/prepis.cc
  src/spusteni.cc)
target_link_libraries(testy_hry PRIVATE hra GTest::gtest_main util)
target_compile_definitions(testy_hry PRIVATE
  HRA="$<TARGET_FILE:truhlovypraskovac>")
add_dependencies(testy_hry truhlovypraskovac)
gtest_discover_tests(testy_hry)
