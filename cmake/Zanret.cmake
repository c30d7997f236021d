# Shared helpers for the project's CMake files.

# The folder the build writes the default sample repository into: one that holds the repository
# and nothing else, so that the catalogue dialog shows only what belongs to it.
set(ZANRET_SAMPLES_DIR ${CMAKE_BINARY_DIR}/sample-repository)

# zanret_glob(<var> <dir>...): the C++ sources directly in each directory.
function(zanret_glob var)
  set(found)
  foreach(dir IN LISTS ARGN)
    file(GLOB files CONFIGURE_DEPENDS ${dir}/*.cpp)
    list(APPEND found ${files})
  endforeach()
  set(${var} ${found} PARENT_SCOPE)
endfunction()

# zanret_add_test(<name> SOURCES <files...> LIBS <targets...>): a GoogleTest program
# registered with ctest. Every test runs offscreen and with its own settings folder.
function(zanret_add_test name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest GTest::gmock GTest::gtest_main)
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  include(GoogleTest)
  # gtest_discover_tests splits a list-valued ENVIRONMENT property into separate properties, so
  # only the first variable would arrive; each test runs through `cmake -E env` instead.
  set_target_properties(${name} PROPERTIES CROSSCOMPILING_EMULATOR
    "${CMAKE_COMMAND};-E;env;QT_QPA_PLATFORM=offscreen;ZANRET_SAMPLES=${ZANRET_SAMPLES_DIR}")
  gtest_discover_tests(${name}
    DISCOVERY_MODE PRE_TEST
    DISCOVERY_TIMEOUT 60
    PROPERTIES TIMEOUT 300)
endfunction()

# zanret_add_area_folders(): adds every folder directly below the current one that has a
# CMakeLists.txt, so that a new area is picked up without a line in its parent.
function(zanret_add_area_folders)
  file(GLOB dirs LIST_DIRECTORIES true CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*)
  foreach(dir IN LISTS dirs)
    if(IS_DIRECTORY ${dir} AND EXISTS ${dir}/CMakeLists.txt)
      add_subdirectory(${dir})
    endif()
  endforeach()
endfunction()
