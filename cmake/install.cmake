# Installation as a distribution lays a program out, and its Debian package.
#
#   PREFIX/lib/dab/            dab and the data files it opens by bare name from its own folder
#   PREFIX/bin/dab             a command on the PATH that starts it from its folder
#   PREFIX/share/applications, metainfo, icons/hicolor, doc/dab
#
# Installed there the program's folder cannot be written; the platform layer then keeps the pictures in
# the user's pictures folder.
set(DAB_VERSION 1.0.0)
set(DAB_APP_ID org.dab_paint.Dab)
set(DAB_PROGRAM_FOLDER lib/dab)
set(DAB_ICON_SIZES 48 64 128 256)
# Where packaging/screenshot.png, taken of the program under Xvfb, is published for software centres.
set(DAB_SCREENSHOT_URL https://dab-paint.org/screenshots/painting.png)
set(staging ${CMAKE_BINARY_DIR}/packaging)
# Installing and packaging take what is built; without this CPack would first build every test and tool.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY TRUE)

install(TARGETS dab RUNTIME DESTINATION ${DAB_PROGRAM_FOLDER})
install(FILES ${DAB_DATA_FILES} DESTINATION ${DAB_PROGRAM_FOLDER})

# The parents' settings, every key commented out: beside the prefix's etc for a program under a .../usr
# prefix (so /etc/dab for /usr, where the program looks for the machine's settings, and in the package),
# else in the prefix's own etc/dab.
install(CODE "
  if(CMAKE_INSTALL_PREFIX MATCHES \"/usr$\")
    set(settings_folder \"\${CMAKE_INSTALL_PREFIX}/../etc/dab\")
  else()
    set(settings_folder \"\${CMAKE_INSTALL_PREFIX}/etc/dab\")
  endif()
  file(INSTALL \"${PROJECT_SOURCE_DIR}/packaging/dab.ini\" DESTINATION \"\${settings_folder}\")
")

# The frame's first paint opens its pictures by bare name before the program makes its folder current, so
# the command starts it there, as the Windows shortcut does; a link would start it in the caller's folder.
configure_file(${PROJECT_SOURCE_DIR}/packaging/dab.sh ${staging}/dab.sh @ONLY)
install(PROGRAMS ${staging}/dab.sh DESTINATION bin RENAME dab)

configure_file(${PROJECT_SOURCE_DIR}/packaging/dab.desktop ${staging}/${DAB_APP_ID}.desktop @ONLY)
configure_file(${PROJECT_SOURCE_DIR}/packaging/dab.metainfo.xml ${staging}/${DAB_APP_ID}.metainfo.xml @ONLY)
install(FILES ${staging}/${DAB_APP_ID}.desktop DESTINATION share/applications)
install(FILES ${staging}/${DAB_APP_ID}.metainfo.xml DESTINATION share/metainfo)

# The menu's icon: the brush painting a red stroke (brush page 3), redrawn from its art at each size of the
# theme. It says "paint" better than the window's class icon, the crossed swords of a stamp page.
set(icons)
foreach(size ${DAB_ICON_SIZES})
  set(icon ${staging}/icons/${size}x${size}/${DAB_APP_ID}.png)
  add_custom_command(OUTPUT ${icon}
                     COMMAND ${CMAKE_COMMAND} -E make_directory ${staging}/icons/${size}x${size}
                     COMMAND icon-art --large ${icon} --icon ICON_138 --size ${size}
                     DEPENDS icon-art ${PROJECT_SOURCE_DIR}/assets/icons/brushes.art VERBATIM)
  list(APPEND icons ${icon})
  install(FILES ${icon} DESTINATION share/icons/hicolor/${size}x${size}/apps)
endforeach()
add_custom_target(dab-icons ALL DEPENDS ${icons})

# Debian wants a copyright file and a compressed changelog beside every package's documentation.
configure_file(${PROJECT_SOURCE_DIR}/packaging/changelog ${staging}/changelog @ONLY)
add_custom_command(OUTPUT ${staging}/changelog.gz
                   COMMAND gzip -9nf -k ${staging}/changelog
                   DEPENDS ${staging}/changelog VERBATIM)
add_custom_target(dab-changelog ALL DEPENDS ${staging}/changelog.gz)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/copyright DESTINATION share/doc/dab)
install(FILES ${staging}/changelog.gz DESTINATION share/doc/dab)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME dab)
set(CPACK_PACKAGE_VERSION ${DAB_VERSION})
set(CPACK_PACKAGE_CONTACT "dab maintainers <maintainers@dab-paint.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "paint program for children of three to eight")
set(CPACK_PACKAGE_DESCRIPTION_FILE ${PROJECT_SOURCE_DIR}/packaging/description)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The libraries come from the program's own links; the font and the soundfont are opened at run time.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2, timgm6mb-soundfont")
# A parent's edits to the settings survive an upgrade.
file(WRITE ${staging}/conffiles "/etc/dab/dab.ini\n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${staging}/conffiles)
include(CPack)

# dab-setup.exe beside the 64-bit Windows program, when NSIS is there to make it.
find_program(DAB_MAKENSIS makensis)
if(DAB_MAKENSIS AND TARGET dab-windows-x86_64-w64-mingw32)
  set(folder ${CMAKE_BINARY_DIR}/windows-x86_64-w64-mingw32)
  set(install_lines)
  set(remove_lines)
  foreach(file ${DAB_DATA_FILES})
    get_filename_component(name ${file} NAME)
    string(APPEND install_lines "  File \"${file}\"\n")
    string(APPEND remove_lines "  Delete \"$INSTDIR\\${name}\"\n")
  endforeach()
  file(WRITE ${folder}/data-files.nsh
       "!macro DAB_INSTALL_DATA\n${install_lines}!macroend\n!macro DAB_REMOVE_DATA\n${remove_lines}!macroend\n")
  add_custom_command(
    OUTPUT ${folder}/dab-setup.exe
    COMMAND ${DAB_MAKENSIS} -V2 -DPROGRAM=${folder}/dab32.exe -DFILES=${folder}/data-files.nsh
            -DSETTINGS=${PROJECT_SOURCE_DIR}/packaging/dab.ini
            -DOUTFILE=${folder}/dab-setup.exe ${PROJECT_SOURCE_DIR}/packaging/windows/dab.nsi
    DEPENDS ${folder}/dab32.exe ${DAB_DATA_FILES} ${PROJECT_SOURCE_DIR}/packaging/windows/dab.nsi
            ${PROJECT_SOURCE_DIR}/packaging/dab.ini
    COMMENT "Making the Windows installer dab-setup.exe" VERBATIM)
  add_custom_target(dab-setup ALL DEPENDS ${folder}/dab-setup.exe)
endif()
