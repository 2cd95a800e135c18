# cmake --install: the program folder under lib/pennoria, a launcher in bin, and the
# desktop entry, MIME type, icons and AppStream metainfo under share.
set(PENNORIA_ID org.example.pennoria)
set(PENNORIA_MIME application-x-pennoria-tvl)
set(desktop ${CMAKE_CURRENT_SOURCE_DIR}/desktop)

install(TARGETS pennoria RUNTIME DESTINATION lib/pennoria)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/content/ DESTINATION lib/pennoria)
# The writable folders, which the program itself never creates.
foreach(ordner protokolle bestenlisten kom setupbasissystem)
  install(DIRECTORY DESTINATION lib/pennoria/${ordner})
endforeach()
install(PROGRAMS ${desktop}/pennoria.sh DESTINATION bin RENAME pennoria)

install(FILES ${desktop}/${PENNORIA_ID}.desktop DESTINATION share/applications)
install(FILES ${desktop}/${PENNORIA_ID}.metainfo.xml DESTINATION share/metainfo)
install(FILES ${desktop}/${PENNORIA_ID}.mime.xml DESTINATION share/mime/packages RENAME ${PENNORIA_ID}.xml)
install(FILES ${desktop}/${PENNORIA_ID}.svg DESTINATION share/icons/hicolor/scalable/apps)
install(FILES ${desktop}/${PENNORIA_MIME}.svg DESTINATION share/icons/hicolor/scalable/mimetypes)

# The PNG sizes of both icons, rendered from the SVGs at build time.
find_program(RSVG_CONVERT rsvg-convert)
if(RSVG_CONVERT)
  set(pngs)
  foreach(groesse 16 22 24 32 48 64 128 256)
    foreach(art apps mimetypes)
      if(art STREQUAL apps)
        set(name ${PENNORIA_ID})
      else()
        set(name ${PENNORIA_MIME})
      endif()
      set(png ${CMAKE_BINARY_DIR}/symbole/${groesse}/${art}/${name}.png)
      add_custom_command(OUTPUT ${png}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/symbole/${groesse}/${art}
        COMMAND ${RSVG_CONVERT} -w ${groesse} -h ${groesse} -o ${png} ${desktop}/${name}.svg
        DEPENDS ${desktop}/${name}.svg VERBATIM)
      list(APPEND pngs ${png})
      install(FILES ${png} DESTINATION share/icons/hicolor/${groesse}x${groesse}/${art})
    endforeach()
  endforeach()
  add_custom_target(desktop_symbole ALL DEPENDS ${pngs})
else()
  message(WARNING "rsvg-convert not found: the installed icons come in SVG only")
endif()

# Like a package's trigger: the MIME database, the desktop database and the
# icon cache learn of the new files, so a double click on a .tvl file works
# at once. Skipped when staging into DESTDIR for a package.
install(CODE [[
  if("$ENV{DESTDIR}" STREQUAL "")
    set(share "${CMAKE_INSTALL_PREFIX}/share")
    find_program(UPDATE_MIME update-mime-database)
    find_program(UPDATE_DESKTOP update-desktop-database)
    find_program(UPDATE_ICONS gtk-update-icon-cache)
    if(UPDATE_MIME)
      execute_process(COMMAND ${UPDATE_MIME} "${share}/mime")
    endif()
    if(UPDATE_DESKTOP)
      execute_process(COMMAND ${UPDATE_DESKTOP} -q "${share}/applications")
    endif()
    if(UPDATE_ICONS AND EXISTS "${share}/icons/hicolor/index.theme")
      execute_process(COMMAND ${UPDATE_ICONS} -q -t "${share}/icons/hicolor")
    endif()
  endif()
]])
