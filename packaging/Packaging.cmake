# What an install holds beside the two programs (their own rules sit with
# them in src/), and the Debian package CPack makes of it:
#   cmake --build build && (cd build && cpack -G DEB)
# gives build/tolvex_<version>_<arch>.deb. The installed programs find their
# data in ../share/tolvex beside them, so any prefix works.

set(TOLVEX_APP_ID "com.vantreme.tolvex" CACHE STRING "The AppStream component id")
set(TOLVEX_HOMEPAGE "https://vantreme.com/tolvex" CACHE STRING "The project's web page; its screenshot.png is the AppStream screenshot")
set(TOLVEX_RELEASE_DATE "2026-12-10")
set(TOLVEX_MAINTAINER "Vantreme <tolvex@vantreme.com>")

set(data ${CMAKE_INSTALL_DATADIR})
install(DIRECTORY ${PROJECT_SOURCE_DIR}/res/configs ${PROJECT_SOURCE_DIR}/res/examples DESTINATION ${data}/tolvex)
install(FILES ${PROJECT_SOURCE_DIR}/docs/guide.html DESTINATION ${data}/tolvex)
# The PNG sizes are rendered from the SVGs by tools/make-icons.sh.
install(DIRECTORY ${PROJECT_SOURCE_DIR}/res/icons/hicolor DESTINATION ${data}/icons)
install(FILES ${PROJECT_SOURCE_DIR}/res/icons/text-x-rom-area.svg DESTINATION ${data}/icons/hicolor/scalable/mimetypes)

configure_file(${CMAKE_CURRENT_LIST_DIR}/tolvex.metainfo.xml.in ${CMAKE_BINARY_DIR}/${TOLVEX_APP_ID}.metainfo.xml @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/${TOLVEX_APP_ID}.metainfo.xml DESTINATION ${data}/metainfo)

# Debian keeps manual pages and changelogs gzipped, without a time stamp.
file(READ ${CMAKE_CURRENT_LIST_DIR}/changelog changelog)
if(NOT changelog MATCHES "^tolvex \\(${PROJECT_VERSION}\\)")
    message(WARNING "packaging/changelog has no entry for ${PROJECT_VERSION} at its top")
endif()
set(gzipped "")
foreach(file docs/tolvex.1 docs/tolvex-cli.1 packaging/changelog)
    get_filename_component(name ${file} NAME)
    set(out ${CMAKE_BINARY_DIR}/gz/${name}.gz)
    add_custom_command(OUTPUT ${out}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/gz
        COMMAND sh -c "gzip -9nc '${PROJECT_SOURCE_DIR}/${file}' > '${out}'"
        DEPENDS ${PROJECT_SOURCE_DIR}/${file} VERBATIM)
    list(APPEND gzipped ${out})
endforeach()
add_custom_target(tolvex_gzipped_docs ALL DEPENDS ${gzipped})
install(FILES ${CMAKE_BINARY_DIR}/gz/tolvex.1.gz ${CMAKE_BINARY_DIR}/gz/tolvex-cli.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${CMAKE_BINARY_DIR}/gz/changelog.gz ${CMAKE_CURRENT_LIST_DIR}/copyright DESTINATION ${CMAKE_INSTALL_DOCDIR})

set(CPACK_PACKAGE_NAME tolvex)
set(CPACK_PACKAGE_VENDOR Vantreme)
set(CPACK_PACKAGE_CONTACT "${TOLVEX_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "map editor for the area files of ROM MUDs")
set(CPACK_PACKAGE_DESCRIPTION
    "Tolvex edits the area files (.are) of MUDs built on the ROM code base. It\n"
    "draws an area's rooms as a map, one level at a time, edits its rooms,\n"
    "objects, mobs, mobprogs, resets and shops with undo, checks the area as\n"
    "the ROM server will when it boots, and opens a whole world from its\n"
    "area.lst. The command-line tool tolvex-cli checks, converts and draws\n"
    "areas for scripts and continuous integration.")
string(REPLACE ";" "" CPACK_PACKAGE_DESCRIPTION "${CPACK_PACKAGE_DESCRIPTION}")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION editors)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${TOLVEX_HOMEPAGE}")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
