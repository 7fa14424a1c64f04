# Installation beside the program and its help viewer: the files a data folder is
# seeded from, the desktop entry, the icon and the software centre's metadata; and
# the Debian package made from that installation by `cpack -G DEB`.
#
# bin/ and share/ stay siblings whatever the prefix, since the program looks for
# its files in ../share/pantrix beside its own folder.

# The day this version was released, for the software centre's release list.
set(PANTRIX_RELEASE_DATE 2026-12-06)

install(DIRECTORY ${CMAKE_SOURCE_DIR}/data/ DESTINATION share/pantrix)
install(FILES ${CMAKE_SOURCE_DIR}/desktop/${PANTRIX_APP_ID}.desktop
        DESTINATION share/applications)
configure_file(${CMAKE_SOURCE_DIR}/desktop/${PANTRIX_APP_ID}.metainfo.xml.in
               ${CMAKE_BINARY_DIR}/${PANTRIX_APP_ID}.metainfo.xml @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/${PANTRIX_APP_ID}.metainfo.xml DESTINATION share/metainfo)
install(DIRECTORY ${CMAKE_SOURCE_DIR}/desktop/icons/ DESTINATION share/icons)

set(CPACK_PACKAGE_NAME pantrix)
set(CPACK_PACKAGE_VENDOR "Pantrix developers")
set(CPACK_PACKAGE_CONTACT "Pantrix developers <pantrix@quillfield.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "shopping lists and recipes for the household")
# Lines of the package's long description, kept short as package tools show them.
set(CPACK_PACKAGE_DESCRIPTION
    "Pantrix keeps a catalogue of the things a household buys, grouped in\n"
    "categories, and builds the shopping list from it. Lists print and copy\n"
    "in one or two columns. It also keeps recipes, whose ingredients go onto\n"
    "the shopping list in one step, and makes web pages of them.")
string(JOIN "" CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
set(CPACK_PACKAGE_INSTALL_DIRECTORY pantrix)
set(CPACK_PACKAGE_CHECKSUM SHA256)
set(CPACK_OUTPUT_FILE_PREFIX ${CMAKE_BINARY_DIR})
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The icon theme's index makes the installed icons findable on a minimal desktop.
set(CPACK_DEBIAN_PACKAGE_DEPENDS hicolor-icon-theme)
# Opening web pages and the maker's page goes through the desktop's browser.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS xdg-utils)
include(CPack)
