# What `cmake --install` puts in place: the programs in bin/, and for the
# window program its desktop entry, icons, AppStream metadata and manual page,
# so it shows up in the desktop's application menu like any other program.
include(GNUInstallDirs)

set(VANTREL_APP_ID io.github.vantrel.Vantrel)
set(VANTREL_RELEASE_DATE 2026-12-09)

find_program(SCDOC scdoc)
find_program(GZIP gzip)
if(NOT SCDOC OR NOT GZIP)
  message(FATAL_ERROR "scdoc and gzip make the manual pages: install the packages scdoc and gzip")
endif()

# Manual pages are written in scdoc and compressed as Debian packages them.
function(vantrel_manual_page name)
  set(source ${CMAKE_SOURCE_DIR}/doc/${name}.1.scd)
  set(page ${CMAKE_BINARY_DIR}/man/${name}.1.gz)
  add_custom_command(OUTPUT ${page}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/man
    COMMAND sh -c "'${SCDOC}' < '${source}' | '${GZIP}' -9n > '${page}'"
    DEPENDS ${source}
    COMMENT "Manual page ${name}(1)"
    VERBATIM)
  add_custom_target(${name}_manual ALL DEPENDS ${page})
  install(FILES ${page} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endfunction()

foreach(program IN ITEMS vantrel vantrel-lookup)
  if(TARGET ${program})
    install(TARGETS ${program} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
    vantrel_manual_page(${program})
  endif()
endforeach()

if(TARGET vantrel)
  find_program(RSVG_CONVERT rsvg-convert)
  if(NOT RSVG_CONVERT)
    message(FATAL_ERROR "rsvg-convert renders the program's icons: install the package librsvg2-bin")
  endif()

  # The icon the window shows, as the theme's scalable icon and as the
  # bitmaps menus and docks pick at their sizes.
  set(icon_source ${CMAKE_SOURCE_DIR}/widgets/resources/icons/vantrel.svg)
  set(icon_files)
  foreach(size IN ITEMS 48 128 256)
    set(folder ${CMAKE_BINARY_DIR}/icons/${size}x${size})
    add_custom_command(OUTPUT ${folder}/${VANTREL_APP_ID}.png
      COMMAND ${CMAKE_COMMAND} -E make_directory ${folder}
      COMMAND ${RSVG_CONVERT} --width=${size} --height=${size} --output=${folder}/${VANTREL_APP_ID}.png
              ${icon_source}
      DEPENDS ${icon_source}
      COMMENT "Icon at ${size} pixels"
      VERBATIM)
    list(APPEND icon_files ${folder}/${VANTREL_APP_ID}.png)
    install(FILES ${folder}/${VANTREL_APP_ID}.png
      DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
  endforeach()
  add_custom_target(vantrel_icons ALL DEPENDS ${icon_files})
  install(FILES ${icon_source}
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps RENAME ${VANTREL_APP_ID}.svg)

  install(FILES ${CMAKE_SOURCE_DIR}/data/${VANTREL_APP_ID}.desktop
    DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  configure_file(${CMAKE_SOURCE_DIR}/data/${VANTREL_APP_ID}.metainfo.xml.in
    ${CMAKE_BINARY_DIR}/${VANTREL_APP_ID}.metainfo.xml @ONLY)
  install(FILES ${CMAKE_BINARY_DIR}/${VANTREL_APP_ID}.metainfo.xml
    DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
endif()
