# The Debian package: cpack -G DEB in the build folder gives
# pennoria_<version>_<arch>.deb from the install rules above.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME pennoria)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Brinvale Lernsoftware")
set(CPACK_PACKAGE_CONTACT "Brinvale Lernsoftware <pennoria@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Flaggen und Länder der Welt spielerisch lernen")
set(CPACK_PACKAGE_DESCRIPTION "Pennoria ist ein Flaggen- und Länderquiz für Schule und Zuhause.
Themendokumente zu den Flaggen der Kontinente, zum Aufbau einer Flagge und
zu Farben und Zeichen; Bildbeschriftung, Lückentexte und Einzelfragen mit
sofortiger Rückmeldung, Note, Protokoll und Bestenliste je Thema,
Arbeitsblätter zum Ausdrucken und eine Netzwerk-Übung für den Klassenraum.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_INSTALL_PREFIX /usr)
# The install step sees the real prefix (/usr), so the desktop entry names
# /usr/bin/pennoria and not the staging folder.
set(CPACK_SET_DESTDIR ON)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://pennoria.example.org/)
# Library dependencies as dpkg-shlibdeps finds them in the stripped programs;
# the rest is what the program calls or loads at run time.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The SQLite driver of the learning store is a Qt plugin, loaded at run time.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libasound2, libqt6sql6-sqlite, xdg-utils")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-dejavu-core | fonts-liberation2, qt6-translations-l10n")
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
# Files are root's, whoever builds the package.
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
