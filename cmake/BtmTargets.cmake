# Helpers every folder uses, so that a test, benchmark or fuzzer is one short call.

set(BTM_WARNINGS -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wno-sign-conversion)
if(BTM_WERROR)
  list(APPEND BTM_WARNINGS -Werror)
endif()

if(BTM_SANITIZE)
  add_compile_options(-fsanitize=${BTM_SANITIZE} -fno-omit-frame-pointer -fno-sanitize-recover=all -g)
  add_link_options(-fsanitize=${BTM_SANITIZE})
endif()

if(BTM_FUZZ)
  # Every library is instrumented for coverage; only the fuzzer programs link libFuzzer's main.
  add_compile_options(-fsanitize=fuzzer-no-link)
endif()

# Applies the project's warnings to a target of ours (not to generated or third-party code).
function(btm_warnings target)
  target_compile_options(${target} PRIVATE ${BTM_WARNINGS})
endfunction()

# Qt targets (flag QT) get moc and rcc; Qt-free cores never do.
function(btm_qt_target target is_qt)
  if(is_qt)
    set_target_properties(${target} PROPERTIES AUTOMOC ON AUTORCC ON)
  endif()
endfunction()

# btm_library(name SOURCES a.cpp ... LIBS dep ... [QT])
# A library of one layer; its folder's parent is on the include path ("link/packet.h").
function(btm_library name)
  cmake_parse_arguments(A "QT" "" "SOURCES;LIBS" ${ARGN})
  add_library(${name} STATIC ${A_SOURCES})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC ${A_LIBS})
  btm_qt_target(${name} ${A_QT})
  btm_warnings(${name})
endfunction()

# btm_test(name SOURCES t.cpp ... LIBS dep ... [QT] [LABELS l ...])
# A GoogleTest program; every test case becomes one CTest test.
function(btm_test name)
  cmake_parse_arguments(A "QT" "" "SOURCES;LIBS;LABELS" ${ARGN})
  add_executable(${name} ${A_SOURCES})
  target_link_libraries(${name} PRIVATE ${A_LIBS} GTest::gtest GTest::gmock GTest::gtest_main)
  btm_qt_target(${name} ${A_QT})
  target_compile_definitions(${name} PRIVATE
    BTM_SOURCE_DIR="${PROJECT_SOURCE_DIR}"
    BTM_BINARY_DIR="${PROJECT_BINARY_DIR}")
  btm_warnings(${name})
  # Each test is labelled with its layer's folder (link, console, ...), so `ctest -L link` works.
  file(RELATIVE_PATH layer ${PROJECT_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR})
  string(REGEX REPLACE "/.*" "" layer "${layer}")
  set(props ENVIRONMENT "QT_QPA_PLATFORM=offscreen" LABELS "${layer};${A_LABELS}")
  gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60
    WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR} PROPERTIES ${props})
endfunction()

# btm_program(name SOURCES main.cpp ... LIBS dep ... [QT])
# A program; its main stays thin, everything else lives in a layer's library.
function(btm_program name)
  cmake_parse_arguments(A "QT" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${A_SOURCES})
  target_link_libraries(${name} PRIVATE ${A_LIBS})
  btm_qt_target(${name} ${A_QT})
  btm_warnings(${name})
endfunction()

# btm_bench(name SOURCES b.cpp ... LIBS dep ...)
# A benchmark program run by `make bench`; it prints one `BENCH <name> <value> <unit>` line per figure.
function(btm_bench name)
  if(NOT BTM_BENCH)
    return()
  endif()
  cmake_parse_arguments(A "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${A_SOURCES})
  target_link_libraries(${name} PRIVATE ${A_LIBS} btm_bench_support)
  target_compile_definitions(${name} PRIVATE
    BTM_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
  btm_warnings(${name})
  set_property(GLOBAL APPEND PROPERTY BTM_BENCHES $<TARGET_FILE:${name}>)
  set_property(GLOBAL APPEND PROPERTY BTM_BENCH_TARGETS ${name})
endfunction()

# btm_fuzzer(name SOURCES f.cpp ... LIBS dep ...)
# A libFuzzer target; `make fuzz` runs it on fuzz/corpus/<name>.
function(btm_fuzzer name)
  cmake_parse_arguments(A "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${A_SOURCES})
  target_link_libraries(${name} PRIVATE ${A_LIBS})
  target_compile_options(${name} PRIVATE -fsanitize=fuzzer)
  target_link_options(${name} PRIVATE -fsanitize=fuzzer)
  btm_warnings(${name})
  set_property(GLOBAL APPEND PROPERTY BTM_FUZZERS $<TARGET_FILE:${name}>)
  set_property(GLOBAL APPEND PROPERTY BTM_FUZZER_TARGETS ${name})
endfunction()
