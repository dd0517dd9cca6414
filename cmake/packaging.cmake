# Installing KALDORA into a standard prefix as Debian's games are, and a Debian package of it.
include(GNUInstallDirs)

# The icon's PNG files, rendered from its SVG at build time.
find_package(Qt6 REQUIRED COMPONENTS Svg)
add_executable(kaldora_make_icon tools/icon/make_icon.cpp)
target_link_libraries(kaldora_make_icon PRIVATE Qt6::Gui Qt6::Svg)
set(KALDORA_ICON_SVG ${PROJECT_SOURCE_DIR}/resources/icon/kaldora.svg)
set(KALDORA_ICON_SIZES 16 32 48 64 128 256)
set(KALDORA_ICONS)
foreach(size ${KALDORA_ICON_SIZES})
  list(APPEND KALDORA_ICONS ${PROJECT_BINARY_DIR}/icons/kaldora-${size}.png)
endforeach()
# The window's icon sizes as pixels, compiled into the program.
set(KALDORA_WINDOW_ICONS)
foreach(size 16 32 48 64)
  list(APPEND KALDORA_WINDOW_ICONS ${PROJECT_BINARY_DIR}/icons/kaldora-${size}.inc)
endforeach()
add_custom_command(OUTPUT ${KALDORA_ICONS} ${KALDORA_WINDOW_ICONS}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_BINARY_DIR}/icons
  COMMAND kaldora_make_icon ${KALDORA_ICON_SVG} ${PROJECT_BINARY_DIR}/icons
  DEPENDS kaldora_make_icon ${KALDORA_ICON_SVG}
  COMMENT "Rendering the icon")
target_sources(kaldora PRIVATE ${KALDORA_WINDOW_ICONS})
target_include_directories(kaldora PRIVATE ${PROJECT_BINARY_DIR})

# The man page and the Debian changelog, compressed as Debian's tools compress them.
set(desktop ${PROJECT_SOURCE_DIR}/resources/desktop)
set(debian ${PROJECT_SOURCE_DIR}/resources/debian)
set(KALDORA_GZIPPED ${PROJECT_BINARY_DIR}/kaldora.6.gz ${PROJECT_BINARY_DIR}/changelog.gz)
add_custom_command(OUTPUT ${KALDORA_GZIPPED}
  COMMAND sh -c "gzip -9nc '${desktop}/kaldora.6' >kaldora.6.gz"
  COMMAND sh -c "gzip -9nc '${debian}/changelog' >changelog.gz"
  DEPENDS ${desktop}/kaldora.6 ${debian}/changelog
  WORKING_DIRECTORY ${PROJECT_BINARY_DIR}
  COMMENT "Compressing the man page and the changelog")
foreach(language ${KALDORA_LANGUAGES})
  set(page ${PROJECT_BINARY_DIR}/man/${language}/kaldora.6.gz)
  add_custom_command(OUTPUT ${page}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_BINARY_DIR}/man/${language}
    COMMAND sh -c "gzip -9nc '${desktop}/kaldora.${language}.6' >'${page}'"
    DEPENDS ${desktop}/kaldora.${language}.6
    COMMENT "Compressing the ${language} man page")
  list(APPEND KALDORA_GZIPPED ${page})
endforeach()
add_custom_target(kaldora_install_files ALL DEPENDS ${KALDORA_ICONS} ${KALDORA_GZIPPED})

# The command on the PATH is the launcher the menu entry runs: every player keeps a highscore list
# in their own data folder. The bare program, which keeps it in the folder it is started in, lives
# in the games' library folder.
set(KALDORA_GAMESDIR games)
set(KALDORA_LIBDIR lib/games/kaldora)
set(KALDORA_BINARY ${CMAKE_INSTALL_PREFIX}/${KALDORA_LIBDIR}/kaldora)
set(KALDORA_COMMAND ${CMAKE_INSTALL_PREFIX}/${KALDORA_GAMESDIR}/kaldora)
set(KALDORA_SOUNDS_DIR ${CMAKE_INSTALL_FULL_DATADIR}/kaldora/sounds)
configure_file(${desktop}/kaldora-launcher.in ${PROJECT_BINARY_DIR}/kaldora-launcher @ONLY)
configure_file(${desktop}/kaldora.desktop.in ${PROJECT_BINARY_DIR}/kaldora.desktop @ONLY)

install(TARGETS kaldora RUNTIME DESTINATION ${KALDORA_LIBDIR})
# The sound module beside the program, where it looks for it; not executable, as Debian's shared
# objects are not.
install(TARGETS kaldora_sound_module LIBRARY DESTINATION ${KALDORA_LIBDIR}
        PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
install(PROGRAMS ${PROJECT_BINARY_DIR}/kaldora-launcher DESTINATION ${KALDORA_GAMESDIR}
        RENAME kaldora)
install(FILES ${KALDORA_SOUNDS} DESTINATION ${CMAKE_INSTALL_DATADIR}/kaldora/sounds)
install(FILES ${PROJECT_BINARY_DIR}/kaldora.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${desktop}/org.kaldora.Kaldora.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${PROJECT_BINARY_DIR}/kaldora.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
foreach(language ${KALDORA_LANGUAGES})
  install(FILES ${PROJECT_BINARY_DIR}/man/${language}/kaldora.6.gz
          DESTINATION ${CMAKE_INSTALL_MANDIR}/${language}/man6)
endforeach()
install(FILES ${KALDORA_QM} DESTINATION ${CMAKE_INSTALL_DATADIR}/kaldora/translations)
install(FILES ${PROJECT_BINARY_DIR}/changelog.gz ${debian}/copyright
        DESTINATION ${CMAKE_INSTALL_DOCDIR})
install(FILES ${KALDORA_ICON_SVG} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(size ${KALDORA_ICON_SIZES})
  install(FILES ${PROJECT_BINARY_DIR}/icons/kaldora-${size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
          RENAME kaldora.png)
endforeach()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kaldora)
set(CPACK_PACKAGE_VENDOR "The KALDORA developers")
set(CPACK_PACKAGE_CONTACT "KALDORA maintainers <maintainers@users.noreply.c-seed-db1a9bda.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "strategy and puzzle game of coloured squares")
# cpack puts the summary first; the lines of the extended description stay within 80 columns.
string(JOIN "\n" CPACK_DEBIAN_PACKAGE_DESCRIPTION
  "Coloured squares on a nine by nine board are dragged into rows of five and"
  "quads of three by three of one colour; multicoloured jokers stand in for any"
  "colour, and a little tree grows afresh with every dissolution.")
# The package installs where `cmake --install` would, so the paths in the launcher and the desktop
# entry hold; configure with -DCMAKE_INSTALL_PREFIX=/usr for a Debian package.
set(CPACK_PACKAGING_INSTALL_PREFIX ${CMAKE_INSTALL_PREFIX})
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Faces with the metrics of the one the windows were laid out for; without one, texts are cut off.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation | fonts-liberation2 | fonts-urw-base35")
# Without Qt's Wayland platform the game runs only through XWayland on a Wayland desktop; without
# Qt's catalogue, the texts Qt supplies to screen readers stay English; Liberation has no Chinese,
# and WenQuanYi Micro Hei is the smallest face in Debian that covers Traditional Chinese.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland, qt6-translations-l10n, fonts-wqy-microhei | fonts-noto-cjk")
set(CPACK_STRIP_FILES ON)
# Stripped as Debian's own tools strip: without the compilers' .comment notes.
set(CPACK_PRE_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/cmake/strip_comments.cmake)
include(CPack)
