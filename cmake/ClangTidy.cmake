# clang-tidy in the build that compiles each source.
#
# With TALLYMERE_CLANG_TIDY=ON (scripts/test.sh and scripts/quick-test.sh turn it on in the
# native and Windows builds), every target given tallymere_compile_settings() is compiled through
# scripts/tidy-compile.sh: it compiles the source as asked, then checks it with clang-tidy and
# keeps what clang-tidy said beside the object file (OBJECT.tidy). The lint test
# (scripts/lint.sh tidy) reads those records, and checks itself whatever the build did not
# check or has changed since.
#
# Each source is checked once: by the first target in compile_commands.json that compiles it,
# and in the Windows build only when the native build (TALLYMERE_NATIVE_BUILD_DIR) does not
# compile it too. So the native build checks the portable sources and their tests, the Windows
# build what only it compiles. The test files are checked in two parts, the second by the lint
# test over each target's test files together (scripts/tidy-compile.sh). A target whose sources
# are not clean yet can be left out with the target property TALLYMERE_CLANG_TIDY set to OFF.
#
# The rules (what to pass clang-tidy, what to leave to whom) are written to
# BUILD_DIR/tidy-settings.txt, which the launcher and the lint test both read.

option(TALLYMERE_CLANG_TIDY "Check each source with clang-tidy as the build compiles it" OFF)
set(TALLYMERE_NATIVE_BUILD_DIR "" CACHE PATH
    "The native build, which checks the sources it compiles itself (for the Windows build)")
find_program(TALLYMERE_CLANG_TIDY_PROGRAM NAMES clang-tidy)

# Called by tallymere_compile_settings() for every target of the project.
function(tallymere_clang_tidy target)
    set_property(GLOBAL APPEND PROPERTY TALLYMERE_TIDY_TARGETS ${target})
endfunction()

# Run once the whole project is read, so that every target and its properties are known.
function(tallymere_finish_clang_tidy)
    set(settings_file ${CMAKE_BINARY_DIR}/tidy-settings.txt)
    set(tidy ${TALLYMERE_CLANG_TIDY_PROGRAM})
    if(NOT tidy)
        set(tidy clang-tidy)
    endif()
    set(settings "source=${CMAKE_SOURCE_DIR}\nbuild=${CMAKE_BINARY_DIR}\ntidy=${tidy}\n")
    # A test body runs the program's code on concrete values, and the static analyzer, following
    # it into the standard library (the strings and maps of the in-memory disk), spent three
    # quarters of its time inside libstdc++, where it reports nothing. In the tests it takes the
    # library's calls as they are declared instead of stepping into them; the program's own
    # sources are analyzed to the full depth.
    string(APPEND settings
        "testarg=--extra-arg=-Xclang\ntestarg=--extra-arg=-analyzer-config\n"
        "testarg=--extra-arg=-Xclang\ntestarg=--extra-arg=c++-stdlib-inlining=false\n")
    if(TALLYMERE_NATIVE_BUILD_DIR AND CMAKE_CROSSCOMPILING)
        string(APPEND settings "defer=${TALLYMERE_NATIVE_BUILD_DIR}\n")
    endif()
    if(CMAKE_CROSSCOMPILING AND WIN32 AND NOT MSVC)
        # clang takes the mingw-w64 target and g++'s own C++ and Windows header folders (not its
        # compiler-specific ones, which clang brings itself).
        execute_process(COMMAND ${CMAKE_CXX_COMPILER} -dumpmachine
            OUTPUT_VARIABLE machine OUTPUT_STRIP_TRAILING_WHITESPACE)
        string(APPEND settings "arg=--extra-arg=--target=${machine}\n")
        foreach(folder IN LISTS CMAKE_CXX_IMPLICIT_INCLUDE_DIRECTORIES)
            if(folder MATCHES "/c\\+\\+(/|$)|mingw32/include$")
                string(APPEND settings "arg=--extra-arg=-isystem${folder}\n")
            endif()
        endforeach()
    endif()

    get_property(targets GLOBAL PROPERTY TALLYMERE_TIDY_TARGETS)
    foreach(target IN LISTS targets)
        get_property(chosen TARGET ${target} PROPERTY TALLYMERE_CLANG_TIDY SET)
        get_property(wanted TARGET ${target} PROPERTY TALLYMERE_CLANG_TIDY)
        if(chosen AND NOT wanted)
            get_property(folder TARGET ${target} PROPERTY BINARY_DIR)
            string(APPEND settings "skip=${folder}/CMakeFiles/${target}.dir/\n")
        elseif(TALLYMERE_CLANG_TIDY)
            # A launcher the user chose (ccache, say) still runs, inside this one.
            set_property(TARGET ${target} PROPERTY CXX_COMPILER_LAUNCHER
                ${CMAKE_SOURCE_DIR}/scripts/tidy-compile.sh ${settings_file}
                ${CMAKE_CXX_COMPILER_LAUNCHER})
        endif()
    endforeach()

    # Rewritten only when it changes: the lint test takes a newer file as a reason to check again.
    set(old "")
    if(EXISTS ${settings_file})
        file(READ ${settings_file} old)
    endif()
    if(NOT old STREQUAL settings)
        file(WRITE ${settings_file} "${settings}")
    endif()
endfunction()

cmake_language(DEFER DIRECTORY ${CMAKE_SOURCE_DIR} CALL tallymere_finish_clang_tidy)
