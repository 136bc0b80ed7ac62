# Debug information of lines only in the builds with it: enough to tell where a program failed
# or crashed, in a fifth less compile time than the full one for every local.
if(NOT MSVC)
    set(CMAKE_CXX_FLAGS_RELWITHDEBINFO "-O2 -g1 -DNDEBUG")
endif()

# Exact double arithmetic: SSE2 doubles, one rounding per operation, no fused multiply-add.
# The program's Japanese texts are UTF-8, in the sources and in the program: they reach Windows
# through its wide functions, converted at the boundary (platform/win32_wide_text.h).
function(tallymere_compile_settings target)
    if(WIN32)
        # Windows' generic names (IDC_ARROW, TEXT) take their wide form, as the calls do.
        target_compile_definitions(${target} PRIVATE UNICODE _UNICODE)
    endif()
    if(MSVC)
        # x64 doubles are SSE2 already; /fp:precise contracts nothing since Visual Studio 2022.
        target_compile_options(${target} PRIVATE $<$<COMPILE_LANGUAGE:CXX>:
            /W4 /permissive- /fp:precise /utf-8>)
        return()
    endif()
    target_compile_options(${target} PRIVATE $<$<COMPILE_LANGUAGE:CXX>:
        -Wall -Wextra -Wpedantic -Wshadow -Werror
        -ffp-contract=off -fno-fast-math -msse2 -mfpmath=sse
        # Reproducible: no build folder in what the compiler writes.
        -ffile-prefix-map=${CMAKE_SOURCE_DIR}=. -ffile-prefix-map=${CMAKE_BINARY_DIR}=build>)
endfunction()

# The program itself: no timestamp in the .exe, so that two builds of one commit are the same
# bytes.
function(tallymere_program_settings target)
    if(MSVC)
        # The resource script brings its own manifest.
        target_link_options(${target} PRIVATE /MANIFEST:NO /Brepro)
    elseif(WIN32)
        target_link_options(${target} PRIVATE -Wl,--no-insert-timestamp)
    endif()
endfunction()

# One CTest test per test binary (every Wine start costs seconds), named after the side it runs
# on so that the native and the Windows run of the same sources stand apart in one ctest, and
# labelled with that side and the LABELS given (`ctest -L unit` runs the unit tests of both).
# It keeps one of the machine's cores busy (RESOURCE_GROUPS, see scripts/test.sh) unless it
# WAITS, as the window tests mostly wait on the display.
function(tallymere_add_test target)
    cmake_parse_arguments(PARSE_ARGV 1 test "WAITS" "" LABELS)
    if(CMAKE_CROSSCOMPILING)
        set(side wine)
    else()
        set(side native)
    endif()
    add_test(NAME ${side}.${target} COMMAND ${target})
    set_tests_properties(${side}.${target} PROPERTIES LABELS "${side};${test_LABELS}")
    if(NOT test_WAITS)
        set_tests_properties(${side}.${target} PROPERTIES RESOURCE_GROUPS cores:1)
    endif()
endfunction()
