# The zip a player downloads: tallymere.exe, its help page and a short read-me, in a folder of
# their own. `cmake --build --preset windows --target package` (or scripts/package.sh) makes
# build/windows/Tallymere-<version>-win64.zip.
configure_file(docs/package/README.txt ${CMAKE_BINARY_DIR}/package/README.txt @ONLY
    NEWLINE_STYLE CRLF)
# The help page, one file that stands alone: the project's version, and the picture of the
# window inside it as a data address, each of its bytes written %XX.
file(READ docs/window.png window_png HEX)
string(REGEX REPLACE "(..)" "%\\1" WINDOW_PNG_DATA "${window_png}")
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS docs/window.png)
configure_file(docs/help/Index.html.in ${CMAKE_BINARY_DIR}/package/Index.html @ONLY)

# Stripping rewrites the .exe's header, and binutils then stamps it with the time of day unless
# SOURCE_DATE_EPOCH says otherwise; 0 is what the linker wrote (--no-insert-timestamp).
install(CODE "set(ENV{SOURCE_DATE_EPOCH} 0)")
install(TARGETS tallymere RUNTIME DESTINATION .)
install(FILES ${CMAKE_BINARY_DIR}/package/Index.html ${CMAKE_BINARY_DIR}/package/README.txt
    DESTINATION .)

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME Tallymere)
set(CPACK_PACKAGE_VENDOR "The Tallymere project")
set(CPACK_PACKAGE_FILE_NAME "Tallymere-${PROJECT_VERSION}-win64")
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
# The debugging symbols stay in the build; the player gets the program alone.
set(CPACK_STRIP_FILES ON)
include(CPack)
