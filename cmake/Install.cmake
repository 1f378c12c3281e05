# Installs Brewdial as a desktop program (`cmake --install build --prefix P`): the executable
# and its sound player, its menu entry, icons, AppStream data, man page and licence.
include(GNUInstallDirs)

set(BREWDIAL_APP_ID net.quorvane.Brewdial)
# A placeholder until the project has a public home; .invalid never resolves to anyone's site.
set(BREWDIAL_HOMEPAGE https://brewdial.invalid)

set(dist_source ${PROJECT_SOURCE_DIR}/dist)
set(dist_build ${PROJECT_BINARY_DIR}/dist)
configure_file(${dist_source}/${BREWDIAL_APP_ID}.metainfo.xml.in
  ${dist_build}/${BREWDIAL_APP_ID}.metainfo.xml @ONLY)
configure_file(${dist_source}/brewdial.1.in ${dist_build}/brewdial.1 @ONLY)

# Man pages and changelogs are installed compressed, as Debian does; -n keeps the archive free
# of time stamps.
function(brewdial_compressed name)
  add_custom_command(OUTPUT ${dist_build}/${name}.gz
    COMMAND gzip -9nkf ${dist_build}/${name}
    DEPENDS ${dist_build}/${name} VERBATIM)
  string(MAKE_C_IDENTIFIER ${name} target)
  add_custom_target(brewdial_${target}_gz ALL DEPENDS ${dist_build}/${name}.gz)
endfunction()
brewdial_compressed(brewdial.1)

install(TARGETS brewdial RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(TARGETS brewdial_sound LIBRARY DESTINATION ${BREWDIAL_SOUND_PLAYER_DIR})
# A shared object in its own right: every symbol found when it is linked, and the C library
# named among its dependencies even where the linker would find no call into it.
target_link_options(brewdial_sound PRIVATE LINKER:-z,defs)
target_link_libraries(brewdial_sound PRIVATE -Wl,--push-state,--no-as-needed c -Wl,--pop-state)
install(FILES ${dist_source}/${BREWDIAL_APP_ID}.desktop
  DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${dist_build}/${BREWDIAL_APP_ID}.metainfo.xml
  DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${dist_build}/brewdial.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE
  DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/brewdial RENAME copyright)

# The program icon (icon 128) in the hicolor theme. The sizes the program shows itself come
# from res/icons; the larger menu sizes and 24 px live in dist/icons. res/render-art.sh makes both.
set(hicolor ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
foreach(size 16 22 32 48 64)
  install(FILES ${PROJECT_SOURCE_DIR}/res/icons/128-${size}.png
    DESTINATION ${hicolor}/${size}x${size}/apps RENAME ${BREWDIAL_APP_ID}.png)
endforeach()
foreach(size 24 128 256)
  install(FILES ${dist_source}/icons/${BREWDIAL_APP_ID}-${size}.png
    DESTINATION ${hicolor}/${size}x${size}/apps RENAME ${BREWDIAL_APP_ID}.png)
endforeach()
install(FILES ${PROJECT_SOURCE_DIR}/res/icons/src/128.svg
  DESTINATION ${hicolor}/scalable/apps RENAME ${BREWDIAL_APP_ID}.svg)

include(${CMAKE_CURRENT_LIST_DIR}/Package.cmake)
