# In dab's build: the fuzzers built by clang as a project of their own (whose only targets of ALL they
# are), the seed generator, and the tests.
include(ExternalProject)

find_program(DAB_CLANG NAMES clang-14 clang)
find_program(DAB_CLANGXX NAMES clang++-14 clang++)
set(fuzz_build ${CMAKE_BINARY_DIR}/fuzz-clang)
set(corpus ${CMAKE_CURRENT_SOURCE_DIR}/corpus)
set(regressions ${CMAKE_CURRENT_SOURCE_DIR}/regressions)

# The seeds in corpus/ are this program's output: dib_corpus FOLDER writes them.
add_executable(dib_corpus ${CMAKE_CURRENT_SOURCE_DIR}/make_corpus.cpp)

if(NOT DAB_CLANG OR NOT DAB_CLANGXX)
  foreach(name DibFuzz DibSaveFuzz)
    add_test(NAME ${name} COMMAND sh -c "echo 'the fuzz targets need clang and libclang-rt-14-dev'; exit 1")
  endforeach()
  return()
endif()

ExternalProject_Add(dib_fuzz_build
  SOURCE_DIR ${CMAKE_CURRENT_SOURCE_DIR}
  BINARY_DIR ${fuzz_build}
  CMAKE_ARGS -DCMAKE_C_COMPILER=${DAB_CLANG} -DCMAKE_CXX_COMPILER=${DAB_CLANGXX}
             -DCMAKE_BUILD_TYPE=RelWithDebInfo -DDAB_WERROR=${DAB_WERROR}
  BUILD_BYPRODUCTS ${fuzz_build}/dib_fuzzer ${fuzz_build}/dib_save_fuzzer
  BUILD_ALWAYS ON
  INSTALL_COMMAND "")

# Each target runs for a minute, then once over every seed and every input that ever crashed either. New
# inputs go to a folder of the build; crashes too, to be kept in regressions/ once found.
foreach(pair "DibFuzz;dib_fuzzer" "DibSaveFuzz;dib_save_fuzzer")
  list(GET pair 0 name)
  list(GET pair 1 target)
  set(found ${CMAKE_BINARY_DIR}/fuzz-found/${target})
  file(MAKE_DIRECTORY ${found}/corpus ${found}/crashes)
  add_test(NAME ${name}
           COMMAND ${fuzz_build}/${target} -max_total_time=60 -rss_limit_mb=4096 -print_final_stats=1
                   -artifact_prefix=${found}/crashes/ ${found}/corpus ${corpus})
  add_test(NAME ${name}Regressions COMMAND ${fuzz_build}/${target} -runs=0 -rss_limit_mb=4096 ${corpus} ${regressions})
  set_tests_properties(${name} ${name}Regressions PROPERTIES TIMEOUT 300)
endforeach()
