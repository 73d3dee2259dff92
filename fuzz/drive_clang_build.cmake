# In dab's build: the fuzzer built by clang as a project of its own (whose only target of ALL it is), the
# seed generator, and the tests.
include(ExternalProject)

find_program(DAB_CLANG NAMES clang-14 clang)
find_program(DAB_CLANGXX NAMES clang++-14 clang++)
set(fuzz_build ${CMAKE_BINARY_DIR}/fuzz-clang)
set(fuzzer ${fuzz_build}/dib_fuzzer)
set(corpus ${CMAKE_CURRENT_SOURCE_DIR}/corpus)
set(regressions ${CMAKE_CURRENT_SOURCE_DIR}/regressions)

# The seeds in corpus/ are this program's output: dib_corpus FOLDER writes them.
add_executable(dib_corpus ${CMAKE_CURRENT_SOURCE_DIR}/make_corpus.cpp)

if(NOT DAB_CLANG OR NOT DAB_CLANGXX)
  add_test(NAME DibFuzz COMMAND sh -c "echo 'the fuzz target needs clang and libclang-rt-14-dev'; exit 1")
  return()
endif()

ExternalProject_Add(dib_fuzz_build
  SOURCE_DIR ${CMAKE_CURRENT_SOURCE_DIR}
  BINARY_DIR ${fuzz_build}
  CMAKE_ARGS -DCMAKE_C_COMPILER=${DAB_CLANG} -DCMAKE_CXX_COMPILER=${DAB_CLANGXX}
             -DCMAKE_BUILD_TYPE=RelWithDebInfo -DDAB_WERROR=${DAB_WERROR}
  BUILD_BYPRODUCTS ${fuzzer}
  BUILD_ALWAYS ON
  INSTALL_COMMAND "")

# New inputs go to a folder of the build; crashes too, to be kept in regressions/ once found.
set(found ${CMAKE_BINARY_DIR}/fuzz-found)
file(MAKE_DIRECTORY ${found}/corpus ${found}/crashes)
add_test(NAME DibFuzz
         COMMAND ${fuzzer} -max_total_time=60 -rss_limit_mb=4096 -print_final_stats=1
                 -artifact_prefix=${found}/crashes/ ${found}/corpus ${corpus})
set_tests_properties(DibFuzz PROPERTIES TIMEOUT 300)
# Every seed and every input that ever crashed, each run once.
add_test(NAME DibFuzzRegressions COMMAND ${fuzzer} -runs=0 -rss_limit_mb=4096 ${corpus} ${regressions})
set_tests_properties(DibFuzzRegressions PROPERTIES TIMEOUT 300)
