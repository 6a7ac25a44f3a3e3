# Installation of the data files beside the programs, and the Debian package built from it with CPack
# (scripts/package.sh). The release date appears in the man pages, the AppStream release and the changelog.
set(TAMB_RELEASE_DATE "2026-12-10")
set(TAMB_RELEASE_DAY "Thu, 10 Dec 2026")
set(TAMB_HOME_PAGE "https://tambvorrel.example/")
set(TAMB_MAINTAINER "Tamb Vorrel Setup developers <setup@tambvorrel.example>")
set(TAMB_APPSTREAM_ID "com.tambvorrel.setup")

set(packaging_out ${CMAKE_CURRENT_BINARY_DIR}/packaging)
configure_file(${CMAKE_CURRENT_LIST_DIR}/${TAMB_APPSTREAM_ID}.metainfo.xml
    ${packaging_out}/${TAMB_APPSTREAM_ID}.metainfo.xml @ONLY)
configure_file(${CMAKE_CURRENT_LIST_DIR}/copyright ${packaging_out}/copyright @ONLY)

# Man pages and the changelog are installed compressed, without a time stamp in the gzip header.
set(compressed_files)
foreach(name tamb-setup.1 tamb-setup-cli.1 changelog)
    configure_file(${CMAKE_CURRENT_LIST_DIR}/${name} ${packaging_out}/${name} @ONLY)
    add_custom_command(OUTPUT ${packaging_out}/${name}.gz
        COMMAND gzip -9 -n -k -f ${packaging_out}/${name}
        DEPENDS ${packaging_out}/${name}
        VERBATIM)
    list(APPEND compressed_files ${packaging_out}/${name}.gz)
endforeach()
add_custom_target(tamb_packaging_files ALL DEPENDS ${compressed_files})

install(FILES ${packaging_out}/${TAMB_APPSTREAM_ID}.metainfo.xml DESTINATION share/metainfo)
install(FILES ${packaging_out}/tamb-setup-cli.1.gz DESTINATION share/man/man1)
install(FILES ${packaging_out}/copyright ${packaging_out}/changelog.gz DESTINATION share/doc/tamb-setup)
if(TAMB_BUILD_GUI)
    install(FILES ${packaging_out}/tamb-setup.1.gz DESTINATION share/man/man1)
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tamb-setup)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Tamb Vorrel Electronics Co., Ltd")
set(CPACK_PACKAGE_CONTACT ${TAMB_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "settings files for Tamb Vorrel trail cameras")
set(CPACK_PACKAGE_DESCRIPTION
    "Tamb Vorrel Setup prepares the settings of Tamb Vorrel trail cameras. It\n"
    "writes the camera menu, the MMS settings and the e-mail settings as small\n"
    "files into a folder, normally the root of the camera's SD card.\n"
    "\n"
    "tamb-setup shows one settings dialog per camera family; tamb-setup-cli\n"
    "writes and checks the same files from the command line.")
string(JOIN "" CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${TAMB_HOME_PAGE})
# Shared libraries as dpkg-shlibdeps finds them. What is loaded at run time by name is named here: the CJK fonts,
# and the SVG image plug-in that draws the window icon; Qt's own texts in the interface language are recommended.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-noto-cjk, libqt6svg6")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
include(CPack)
