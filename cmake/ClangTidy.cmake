# clang-tidy checks the program's sources (everything outside tests/) as the builds compile them,
# through CMake's own clang-tidy support, with the repository's .clang-tidy: a finding fails the
# build. Each source is checked by one build: the portable ones by the native build, the rest
# by the Windows build. The tests are held by the compilers' warnings, as errors.
#
# clang-tidy 14 it is: Debian's clang-tidy-19 took a fifth longer over the same sources.
option(TALLYMERE_CLANG_TIDY "Check the program's sources with clang-tidy as they are compiled" OFF)
find_program(TALLYMERE_CLANG_TIDY_PROGRAM NAMES clang-tidy)
# clang-tidy reads no response file in the compile command it is given: the Windows build hands
# the compiler its include folders spelled out.
set(CMAKE_CXX_USE_RESPONSE_FILE_FOR_INCLUDES OFF)

function(tallymere_clang_tidy target)
    if(NOT TALLYMERE_CLANG_TIDY)
        return()
    endif()
    set(command ${TALLYMERE_CLANG_TIDY_PROGRAM} --quiet)
    if(CMAKE_CROSSCOMPILING AND WIN32 AND NOT MSVC)
        # clang takes the mingw-w64 target and g++'s own C++ and Windows header folders (not its
        # compiler-specific ones, which clang brings itself).
        execute_process(COMMAND ${CMAKE_CXX_COMPILER} -dumpmachine
            OUTPUT_VARIABLE machine OUTPUT_STRIP_TRAILING_WHITESPACE)
        list(APPEND command --extra-arg=--target=${machine})
        foreach(folder IN LISTS CMAKE_CXX_IMPLICIT_INCLUDE_DIRECTORIES)
            if(folder MATCHES "/c\\+\\+(/|$)|mingw32/include$")
                list(APPEND command --extra-arg=-isystem${folder})
            endif()
        endforeach()
    endif()
    set_property(TARGET ${target} PROPERTY CXX_CLANG_TIDY ${command})
endfunction()
