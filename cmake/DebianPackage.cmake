# `cpack -G DEB` in a build tree: astrolathe_VERSION_ARCH.deb with what
# `cmake --install` puts in place (the program, its desktop entry, its
# metadata and its icons), under /usr. The libraries it needs are read from
# the binary by dpkg-shlibdeps; the font is found through fontconfig at run
# time, so nothing links it and it is named here.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME astrolathe)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Astrolathe developers")
set(CPACK_PACKAGE_CONTACT "The Astrolathe developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "interactive two-dimensional gravity sandbox")
set(CPACK_PACKAGE_DESCRIPTION "Place up to ten bodies on a black field by dragging (the drag is the
starting velocity), edit each body's mass, velocity and colour, then run
and pause a Newtonian simulation, setting the time step and the
gravitational constant G with two sliders while it runs.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS fonts-liberation2)
include(CPack)
