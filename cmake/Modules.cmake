# qz_module(<target> [RECURSE] [DIR <folder>] [DEPS <targets>...])
# A static library of every .cpp in the folder (default: the current one); RECURSE takes its subfolders too.
# Includes are written from the project root: #include "platform/text/CString.h".
function(qz_module target)
  cmake_parse_arguments(M "RECURSE" "DIR" "DEPS" ${ARGN})
  if(NOT M_DIR)
    set(M_DIR ${CMAKE_CURRENT_SOURCE_DIR})
  endif()
  if(M_RECURSE)
    file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${M_DIR}/*.cpp)
  else()
    file(GLOB sources CONFIGURE_DEPENDS ${M_DIR}/*.cpp)
  endif()
  add_library(${target} STATIC ${sources})
  target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(${target} PUBLIC ${M_DEPS})
endfunction()

# qz_test(<target> [DEPS <targets>...]): one GoogleTest program of every .cpp in the current folder.
function(qz_test target)
  cmake_parse_arguments(T "" "" "DEPS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  add_executable(${target} ${sources})
  target_include_directories(${target} PRIVATE ${PROJECT_SOURCE_DIR})
  target_link_libraries(${target} PRIVATE ${T_DEPS} GTest::gtest GTest::gtest_main Threads::Threads)
  target_compile_definitions(${target} PRIVATE
    QZ_SOURCE_DIR="${PROJECT_SOURCE_DIR}" QZ_BINARY_DIR="${PROJECT_BINARY_DIR}")
  # Tests of the built programs drive real X servers, pseudo-terminals and child processes: they run
  # alone, so a loaded machine cannot starve them past their waits.
  set(serial)
  if(CMAKE_CURRENT_SOURCE_DIR MATCHES "/tests/app/")
    set(serial PROPERTIES RUN_SERIAL TRUE)
  endif()
  gtest_discover_tests(${target} DISCOVERY_MODE PRE_TEST WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR} ${serial})
endfunction()

# qz_add_subfolders(): add every direct subfolder that has a CMakeLists.txt.
function(qz_add_subfolders)
  file(GLOB children LIST_DIRECTORIES true ${CMAKE_CURRENT_SOURCE_DIR}/*)
  foreach(child ${children})
    if(IS_DIRECTORY ${child} AND EXISTS ${child}/CMakeLists.txt)
      add_subdirectory(${child})
    endif()
  endforeach()
endfunction()

# qz_benchmark(<target> [DEPS <targets>...]): one Google Benchmark program of every .cpp in the current folder.
function(qz_benchmark target)
  cmake_parse_arguments(B "" "" "DEPS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  add_executable(${target} ${sources})
  target_include_directories(${target} PRIVATE ${PROJECT_SOURCE_DIR})
  target_link_libraries(${target} PRIVATE ${B_DEPS} benchmark::benchmark bench_main)
  # With the tests, each benchmark runs once at its smallest size: that it ends and reports.
  if(QZ_BUILD_TESTS)
    add_test(NAME ${target}_smoke COMMAND bash ${PROJECT_SOURCE_DIR}/bench/smoke.sh $<TARGET_FILE:${target}>)
  endif()
endfunction()
