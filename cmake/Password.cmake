# Every executable of the project goes through these, so each one routes its allocations to the
# fatal error report (the replaced operator new must be linked into the program itself).
function(password_executable name)
  add_executable(${name} ${ARGN})
  target_link_libraries(${name} PRIVATE core_allocator)
endfunction()

# A GoogleTest suite: one ctest entry per executable (under Wine, through the emulator).
function(password_test name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
  if(NOT PASSWORD_TESTS)
    return()
  endif()
  password_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gmock GTest::gtest_main)
  add_test(NAME ${name} COMMAND ${name} --gtest_brief=1)
endfunction()
