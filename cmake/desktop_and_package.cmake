# What an installation puts beside the program so that a desktop knows it:
# the menu entry, icons, the profile's file type, the software centre's
# description, the manual page and the licence; and the Debian package of it
# all (`cmake --build build --target package`).

set(RIMORA_APP_ID org.example.Rimora)
set(share_out ${CMAKE_BINARY_DIR}/share)
set(hicolor ${CMAKE_INSTALL_DATADIR}/icons/hicolor)

configure_file(share/${RIMORA_APP_ID}.metainfo.xml.in ${share_out}/${RIMORA_APP_ID}.metainfo.xml @ONLY)

# Manual pages are installed compressed; -n keeps the archive free of the
# build's time, so two builds give the same package.
add_custom_command(OUTPUT ${share_out}/rimora.1.gz
                   COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_CURRENT_SOURCE_DIR}/share/rimora.1 ${share_out}/rimora.1
                   COMMAND gzip -9 -n -f ${share_out}/rimora.1
                   DEPENDS share/rimora.1 VERBATIM)
set(desktop_outputs ${share_out}/rimora.1.gz)

# Menus and file managers that take no SVG use the PNG sizes, drawn from the
# one SVG at build time.
find_program(RSVG_CONVERT rsvg-convert)
if(RSVG_CONVERT)
    foreach(size 48 64 128)
        set(png ${share_out}/icons/${size}x${size}/${RIMORA_APP_ID}.png)
        add_custom_command(OUTPUT ${png}
                           COMMAND ${CMAKE_COMMAND} -E make_directory ${share_out}/icons/${size}x${size}
                           COMMAND ${RSVG_CONVERT} -w ${size} -h ${size} -o ${png}
                                   ${CMAKE_CURRENT_SOURCE_DIR}/share/rimora.svg
                           DEPENDS share/rimora.svg VERBATIM)
        list(APPEND desktop_outputs ${png})
        install(FILES ${png} DESTINATION ${hicolor}/${size}x${size}/apps)
    endforeach()
else()
    message(WARNING "rsvg-convert (librsvg2-bin) not found: the PNG icons are left out of the installation")
endif()
add_custom_target(rimora_desktop_files ALL DEPENDS ${desktop_outputs})

install(FILES share/${RIMORA_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES share/rimora.svg DESTINATION ${hicolor}/scalable/apps RENAME ${RIMORA_APP_ID}.svg)
install(FILES share/application-x-rimora-profile.svg DESTINATION ${hicolor}/scalable/mimetypes)
install(FILES share/rimora-mime.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME rimora.xml)
install(FILES ${share_out}/${RIMORA_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${share_out}/rimora.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES LICENSE DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/rimora RENAME copyright)

# The Debian package. The menu, the file type and the icons take effect
# through the triggers of desktop-file-utils, shared-mime-info and the icon
# theme, so the package needs no scripts of its own, and removing it leaves
# nothing behind but the users' own settings.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME rimora)
set(CPACK_PACKAGE_VENDOR "Rimora developers")
set(CPACK_PACKAGE_CONTACT "Rimora developers <rimora@example.org>")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Rimora developers <rimora@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "bicycle wheel lacing and spoke length calculator")
set(CPACK_PACKAGE_DESCRIPTION
    "Rimora laces a bicycle wheel from its rim, hub and crossings, computes every spoke's length, the
lengths to order, bracing angles and tensions, and draws the laced wheel to scale. It prints a build
sheet or saves it as PDF, saves the drawing as SVG or PNG, and does the same from the command line
without a window.")
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
    WORLD_READ WORLD_EXECUTE)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# dpkg-shlibdeps sees the libraries the program and the module link; Qt loads
# its platform plugins (xcb for the window, offscreen for the command line) at
# run time, unseen by it: in Debian they come with libqt6gui6.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6gui6 (>= 6.4)")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")
set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_CURRENT_SOURCE_DIR}/LICENSE)
include(CPack)
