# Exact double arithmetic: SSE2 doubles, one rounding per operation, no fused multiply-add.
# The program's Japanese texts are written as UTF-8 in the sources and compiled to the code
# page 932 bytes the window shows. clang, which builds the fuzz targets, knows no code page 932:
# there the texts stay UTF-8, which the parsers under test never look at.
function(tallymere_compile_settings target)
    target_compile_options(${target} PRIVATE $<$<COMPILE_LANGUAGE:CXX>:
        -Wall -Wextra -Wpedantic -Wshadow
        -ffp-contract=off -fno-fast-math -msse2 -mfpmath=sse>
        $<$<AND:$<COMPILE_LANGUAGE:CXX>,$<CXX_COMPILER_ID:GNU>>:-fexec-charset=CP932>)
endfunction()

# One CTest test per test binary (every Wine start costs seconds), named after the side it runs
# on so that the native and the Windows run of the same sources stand apart in one ctest.
function(tallymere_add_test target)
    if(CMAKE_CROSSCOMPILING)
        add_test(NAME wine.${target} COMMAND ${target})
    else()
        add_test(NAME native.${target} COMMAND ${target})
    endif()
endfunction()
