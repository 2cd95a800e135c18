# cmake --install and the Debian package: the program and the tvl tool in bin, the
# read-only content under share/pennoria, and the desktop entry, MIME type, icons,
# AppStream metainfo, manual pages and package documents under share.
include(GNUInstallDirs)
set(PENNORIA_ID org.example.pennoria)
set(PENNORIA_MIME application-x-pennoria-tvl)
set(desktop ${CMAKE_CURRENT_SOURCE_DIR}/desktop)
set(paket ${CMAKE_CURRENT_SOURCE_DIR}/paket)
set(erzeugt ${CMAKE_BINARY_DIR}/installation)
# The screenshot of the metainfo, made from the program under a virtual display.
set(PENNORIA_SCREENSHOT pennoria-quiz.png)

install(TARGETS pennoria tvl RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# The content is shared by every user and never written: results go to each
# user's own folders (see OrdnerWaehlen).
install(DIRECTORY ${PROJECT_SOURCE_DIR}/content/ DESTINATION ${CMAKE_INSTALL_DATADIR}/pennoria)

configure_file(${desktop}/${PENNORIA_ID}.metainfo.xml.in ${erzeugt}/${PENNORIA_ID}.metainfo.xml @ONLY)
install(FILES ${erzeugt}/${PENNORIA_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${desktop}/${PENNORIA_SCREENSHOT} DESTINATION ${CMAKE_INSTALL_DATADIR}/pennoria/bildschirmfotos)
install(FILES ${desktop}/${PENNORIA_ID}.mime.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages
        RENAME ${PENNORIA_ID}.xml)
install(FILES ${desktop}/${PENNORIA_ID}.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${desktop}/${PENNORIA_MIME}.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/mimetypes)

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
      install(FILES ${png} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${groesse}x${groesse}/${art})
    endforeach()
  endforeach()
  add_custom_target(desktop_symbole ALL DEPENDS ${pngs})
else()
  message(WARNING "rsvg-convert not found: the installed icons come in SVG only")
endif()

# Manual pages and the changelog, compressed as Debian wants them (no name
# or time stamp in the gzip header, so the package builds the same twice).
execute_process(COMMAND date -u -R -d ${PENNORIA_RELEASE_DATE} OUTPUT_VARIABLE PENNORIA_CHANGELOG_DATE
                OUTPUT_STRIP_TRAILING_WHITESPACE RESULT_VARIABLE datum_fehler)
if(datum_fehler)
  set(PENNORIA_CHANGELOG_DATE "Mon, 07 Dec 2026 00:00:00 +0000")
endif()
configure_file(${paket}/changelog.in ${erzeugt}/changelog @ONLY)
set(gepackt)
foreach(datei ${paket}/pennoria.1 ${paket}/tvl.1 ${erzeugt}/changelog)
  get_filename_component(name ${datei} NAME)
  set(gz ${erzeugt}/${name}.gz)
  add_custom_command(OUTPUT ${gz}
    COMMAND gzip -9nc ${datei} > ${gz}
    DEPENDS ${datei} VERBATIM)
  list(APPEND gepackt ${gz})
endforeach()
add_custom_target(paket_dokumente ALL DEPENDS ${gepackt})
install(FILES ${erzeugt}/pennoria.1.gz ${erzeugt}/tvl.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${erzeugt}/changelog.gz ${paket}/copyright DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/pennoria)

# The desktop entry names the program by its absolute path, so a double click
# works even when the prefix's bin is not on the session's PATH (a per-user
# install). The path is known only at install time (--prefix, CPack).
install(CODE "set(PENNORIA_DESKTOP_VORLAGE \"${desktop}/${PENNORIA_ID}.desktop.in\")
set(PENNORIA_DESKTOP_ZWISCHEN \"${erzeugt}/desktop\")
set(PENNORIA_BINDIR \"${CMAKE_INSTALL_BINDIR}\")
set(PENNORIA_DATADIR \"${CMAKE_INSTALL_DATADIR}\")")
install(CODE [[
  set(programm "${CMAKE_INSTALL_PREFIX}/${PENNORIA_BINDIR}/pennoria")
  # Exec= quotes an argument with blanks and escapes " ` $ \ inside quotes;
  # every string value escapes \ once more.
  set(tryexec "${programm}")
  string(REPLACE "\\" "\\\\" tryexec "${tryexec}")
  set(exec "${programm}")
  string(REPLACE "%" "%%" exec "${exec}")
  if(exec MATCHES "[ \t\"`$\\'<>~|&;*?#()]")
    string(REPLACE "\\" "\\\\" exec "${exec}")
    string(REPLACE "\"" "\\\"" exec "${exec}")
    string(REPLACE "`" "\\`" exec "${exec}")
    string(REPLACE "$" "\\$" exec "${exec}")
    set(exec "\"${exec}\"")
    string(REPLACE "\\" "\\\\" exec "${exec}")
  endif()
  # One file per target, since two installs may run at once.
  string(MD5 ziel "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}")
  set(zwischen "${PENNORIA_DESKTOP_ZWISCHEN}/${ziel}/org.example.pennoria.desktop")
  file(READ "${PENNORIA_DESKTOP_VORLAGE}" eintrag)
  string(REPLACE "@EXEC@" "${exec}" eintrag "${eintrag}")
  string(REPLACE "@TRYEXEC@" "${tryexec}" eintrag "${eintrag}")
  file(WRITE "${zwischen}" "${eintrag}")
  file(INSTALL DESTINATION "${CMAKE_INSTALL_PREFIX}/${PENNORIA_DATADIR}/applications" TYPE FILE
       PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ FILES "${zwischen}")
]])

# Like a package's trigger: the MIME database, the desktop database and the
# icon cache learn of the new files, so a double click on a .tvl file works
# at once. Skipped when staging into DESTDIR for a package, where dpkg's
# triggers do it on the target machine.
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

include(Paket.cmake)
