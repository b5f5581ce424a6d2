# The Debian package (cpack -G DEB): name, section, description, and the
# dependencies that dpkg-shlibdeps finds in the program's libraries plus the
# Qt plugins it loads at run time, which no library names.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME skiora)
set(CPACK_PACKAGE_VERSION ${SKIORA_VERSION_TEXT})
set(CPACK_PACKAGE_VENDOR "The Skiora developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "design analemmatic sundials")
set(CPACK_PACKAGE_DESCRIPTION
"Skiora designs analemmatic sundials: dials whose hour points lie on an
ellipse and whose gnomon, often a person, stands on the minor axis at the
mark of the day. From the site, the size of the dial and the gnomon it
computes the hour points, the date marks (on the minor axis, on the
analemma, or split into a morning and an afternoon scale), the sunrise and
sunset marks, the shadow path of a chosen day and the errors of reading
the time.
.
It prints the dial and its tables, and writes tables (CSV), plots (HPGL)
and CAD drawings (DXF) for laying out a dial in a school yard, a garden or
a square. German and English, switched while it runs.")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_VERSION ${SKIORA_VERSION_TEXT})
set(CPACK_DEBIAN_PACKAGE_RELEASE ${SKIORA_DEB_REVISION})
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${SKIORA_PAKET_BETREUER})
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, fonts-liberation2")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
