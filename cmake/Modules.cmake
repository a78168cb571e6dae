# One static library per source folder. Sources are the folder's own *.cpp files
# (not sub-folders: each sub-folder is a module of its own).
#
#   cfg_module(<target> <folder> [DEPS <public deps>] [PRIVATE_DEPS <private deps>])
function(cfg_module name dir)
  cmake_parse_arguments(M "" "" "DEPS;PRIVATE_DEPS" ${ARGN})
  file(GLOB srcs CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${dir}/*.cpp)
  if(srcs)
    add_library(${name} STATIC ${srcs})
    target_include_directories(${name} PUBLIC ${CMAKE_SOURCE_DIR}/src)
    target_link_libraries(${name} PUBLIC ${M_DEPS} PRIVATE ${M_PRIVATE_DEPS})
  else()
    add_library(${name} INTERFACE)
    target_include_directories(${name} INTERFACE ${CMAKE_SOURCE_DIR}/src)
    target_link_libraries(${name} INTERFACE ${M_DEPS})
  endif()
endfunction()

# One GoogleTest executable per test folder, registered with CTest.
#
#   cfg_test(<target> <folder> DEPS <libraries>)
function(cfg_test name dir)
  cmake_parse_arguments(M "" "" "DEPS" ${ARGN})
  file(GLOB srcs CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${dir}/*.cpp)
  if(NOT srcs)
    return()
  endif()
  add_executable(${name} ${srcs})
  target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR}/src ${CMAKE_SOURCE_DIR}/tests ${CMAKE_SOURCE_DIR}/tests/support)
  target_link_libraries(${name} PRIVATE ${M_DEPS} test_support GTest::gmock GTest::gtest_main)
  target_compile_definitions(${name} PRIVATE
    CFG_TESTDATA_DIR="${CFG_TESTDATA_DIR}"
    CFG_SOURCE_DIR="${CMAKE_SOURCE_DIR}"
    CFG_BIN_DIR="${CMAKE_BINARY_DIR}/bin")
  if(CFG_SANITIZE)
    target_sources(${name} PRIVATE ${CMAKE_SOURCE_DIR}/tests/support/sanitizer/LsanSuppressions.cpp)
  endif()
  gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endfunction()

# One Google Benchmark executable per file in bench/<folder>.
function(cfg_bench name)
  cmake_parse_arguments(M "" "" "SOURCES;DEPS" ${ARGN})
  add_executable(${name} ${M_SOURCES})
  target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR}/src)
  target_link_libraries(${name} PRIVATE ${M_DEPS} benchmark::benchmark)
endfunction()
