# Installing KALDORA into a standard prefix, and a Debian package of it.
include(GNUInstallDirs)

# The icon, drawn from the square pictures at build time.
add_executable(kaldora_make_icon tools/icon/make_icon.cpp)
target_link_libraries(kaldora_make_icon PRIVATE kaldora_core Qt6::Gui)
set(KALDORA_ICONS ${PROJECT_BINARY_DIR}/icons/kaldora.svg ${PROJECT_BINARY_DIR}/icons/kaldora-256.png
                  ${PROJECT_BINARY_DIR}/icons/kaldora-48.png)
add_custom_command(OUTPUT ${KALDORA_ICONS}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_BINARY_DIR}/icons
  COMMAND kaldora_make_icon ${PROJECT_BINARY_DIR}/icons
  DEPENDS kaldora_make_icon
  COMMENT "Drawing the icon")
add_custom_target(kaldora_icons ALL DEPENDS ${KALDORA_ICONS})

set(KALDORA_BINARY ${CMAKE_INSTALL_FULL_BINDIR}/kaldora)
set(KALDORA_SOUNDS_DIR ${CMAKE_INSTALL_FULL_DATADIR}/kaldora/sounds)
set(KALDORA_LAUNCHER ${CMAKE_INSTALL_FULL_LIBEXECDIR}/kaldora/kaldora-launcher)
set(desktop ${PROJECT_SOURCE_DIR}/resources/desktop)
configure_file(${desktop}/kaldora-launcher.in ${PROJECT_BINARY_DIR}/kaldora-launcher @ONLY)
configure_file(${desktop}/kaldora.desktop.in ${PROJECT_BINARY_DIR}/kaldora.desktop @ONLY)

install(TARGETS kaldora RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(PROGRAMS ${PROJECT_BINARY_DIR}/kaldora-launcher
        DESTINATION ${CMAKE_INSTALL_LIBEXECDIR}/kaldora)
install(FILES ${KALDORA_SOUNDS} DESTINATION ${CMAKE_INSTALL_DATADIR}/kaldora/sounds)
install(FILES ${PROJECT_BINARY_DIR}/kaldora.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${desktop}/org.kaldora.Kaldora.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${desktop}/kaldora.6 DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
foreach(language ${KALDORA_LANGUAGES})
  install(FILES ${desktop}/kaldora.${language}.6 DESTINATION ${CMAKE_INSTALL_MANDIR}/${language}/man6
          RENAME kaldora.6)
endforeach()
install(FILES ${KALDORA_QM} DESTINATION ${CMAKE_INSTALL_DATADIR}/kaldora/translations)
install(FILES ${PROJECT_BINARY_DIR}/icons/kaldora.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(size 256 48)
  install(FILES ${PROJECT_BINARY_DIR}/icons/kaldora-${size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
          RENAME kaldora.png)
endforeach()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kaldora)
set(CPACK_PACKAGE_VENDOR "The KALDORA developers")
set(CPACK_PACKAGE_CONTACT "The KALDORA developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "strategy and puzzle game of coloured squares")
set(CPACK_PACKAGE_DESCRIPTION
    "Coloured squares on a nine by nine board are dragged into rows of five and quads of three by three of one colour.")
# The package installs where `cmake --install` would, so the paths in the launcher and the desktop
# entry hold; configure with -DCMAKE_INSTALL_PREFIX=/usr for a Debian package.
set(CPACK_PACKAGING_INSTALL_PREFIX ${CMAKE_INSTALL_PREFIX})
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Faces with the metrics of the one the windows were laid out for; without one, texts are cut off.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation | fonts-liberation2 | fonts-urw-base35")
set(CPACK_STRIP_FILES ON)
include(CPack)
