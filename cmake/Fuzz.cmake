# Fuzz targets. Each is a libFuzzer harness (LLVMFuzzerTestOneInput) of one parser of outside
# input, with its seed corpus in tests/fuzz/corpus/<name>.
#
#   cfg_fuzz_target(<name> <harness.cpp> DEPS <libraries> [SEEDS <folders of the shared test data>])
#
# In the regular build the harness is linked with a plain driver (tests/fuzz/ReplayMain.cpp) into
# bin/fuzz_<name>, and CTest replays the corpus once (FuzzCorpus.<name>) and the shared test data
# folders named by SEEDS (FuzzSeeds.<name>, skipped when that data is missing). With CFG_FUZZ
# (clang, scripts/fuzz.sh) bin/fuzz_<name> is the libFuzzer program instead.
set(CFG_FUZZ_DIR ${CMAKE_SOURCE_DIR}/tests/fuzz)

add_library(fuzz_support STATIC ${CFG_FUZZ_DIR}/FuzzSupport.cpp)
target_include_directories(fuzz_support PUBLIC ${CFG_FUZZ_DIR} ${CMAKE_SOURCE_DIR}/src)

function(cfg_fuzz_target name harness)
  cmake_parse_arguments(F "" "" "DEPS;SEEDS" ${ARGN})
  set(target fuzz_${name})
  set(corpus ${CFG_FUZZ_DIR}/corpus/${name})
  if(CFG_FUZZ)
    add_executable(${target} ${CFG_FUZZ_DIR}/${harness})
    target_link_options(${target} PRIVATE -fsanitize=fuzzer)
  else()
    add_executable(${target} ${CFG_FUZZ_DIR}/${harness} ${CFG_FUZZ_DIR}/ReplayMain.cpp)
  endif()
  if(CFG_SANITIZE OR CFG_FUZZ)
    target_sources(${target} PRIVATE ${CMAKE_SOURCE_DIR}/tests/support/sanitizer/LsanSuppressions.cpp)
  endif()
  target_link_libraries(${target} PRIVATE fuzz_support ${F_DEPS})
  set(seeds "")
  foreach(s ${F_SEEDS})
    list(APPEND seeds ${CFG_TESTDATA_DIR}/${s})
  endforeach()
  # What scripts/fuzz.sh starts from: the corpus, then the shared test data folders.
  string(REPLACE ";" "\n" seed_lines "${corpus};${seeds}")
  file(WRITE ${CMAKE_BINARY_DIR}/fuzz/${name}.seeds "${seed_lines}\n")
  if(NOT CFG_FUZZ)
    add_test(NAME FuzzCorpus.${name} COMMAND ${target} ${corpus})
    set_tests_properties(FuzzCorpus.${name} PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
    if(seeds)
      add_test(NAME FuzzSeeds.${name} COMMAND ${target} --outside ${seeds})
      set_tests_properties(FuzzSeeds.${name} PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen" SKIP_RETURN_CODE 77)
    endif()
  endif()
endfunction()
