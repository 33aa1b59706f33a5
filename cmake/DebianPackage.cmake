# The Debian package scripts/package.sh builds with CPack: wexa_VERSION_ARCH.deb,
# holding what cmake/Install.cmake installs, under /usr.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME wexa)
set(CPACK_PACKAGE_VERSION ${CMAKE_PROJECT_VERSION})
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_PACKAGE_CONTACT "The Wexa developers <wexa@example.org>")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${WEXA_HOMEPAGE})
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "compare pavement design alternatives by life-cycle cost")
# CPack puts the summary first and indents the rest, an empty line as " .".
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Wexa compares up to four pavement design alternatives by life-cycle cost:
the agency's costs of every scheduled work activity plus the costs each work
zone imposes on road users, discounted to net present value,
deterministically or over a Monte-Carlo simulation.

The package holds the window, wexa, and the command-line tool, wexa-cli,
which runs the same analysis on project files for batch work.")
set(CPACK_STRIP_FILES ON)
# The dependencies are the binaries' own, as dpkg-shlibdeps finds them; the
# math library is the package's own, in a folder dpkg-shlibdeps is told of
# (relative to the staged package, where it runs), so that it is not taken
# for a library some other package has to provide.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS
    ${CPACK_PACKAGING_INSTALL_PREFIX}/${WEXA_INSTALL_PRIVATE_LIBDIR})
# dpkg's own defaults for a package's permissions and compression.
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
set(CPACK_OUTPUT_FILE_PREFIX ${CMAKE_BINARY_DIR}/package)
include(CPack)
