# What cmake --install and the Debian package (cmake/DebianPackage.cmake)
# put where: the programs and their math library, and on Linux the desktop's
# entry, icons and project file type, the AppStream description, the manual
# pages and the user guide.
include(GNUInstallDirs)

# The math library is the programs' own, not one for others to link: it goes
# into a folder of Wexa's own, where the dynamic linker never looks by
# itself, and each program finds it relative to where the program is. On
# Debian that folder is under the architecture's library folder, whatever the
# prefix: CPack would have a library under /usr/lib call ldconfig, which a
# private library never needs.
if(CMAKE_LIBRARY_ARCHITECTURE)
    set(WEXA_INSTALL_PRIVATE_LIBDIR lib/${CMAKE_LIBRARY_ARCHITECTURE}/wexa)
else()
    set(WEXA_INSTALL_PRIVATE_LIBDIR ${CMAKE_INSTALL_LIBDIR}/wexa)
endif()
install(TARGETS wexa_libm LIBRARY DESTINATION ${WEXA_INSTALL_PRIVATE_LIBDIR}
                          RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
file(RELATIVE_PATH wexa_lib_from_bin ${CMAKE_INSTALL_FULL_BINDIR}
     ${CMAKE_INSTALL_PREFIX}/${WEXA_INSTALL_PRIVATE_LIBDIR})
set(wexa_programs wexa-cli)
if(WEXA_GUI)
    list(APPEND wexa_programs wexa)
endif()
set_target_properties(${wexa_programs} PROPERTIES INSTALL_RPATH "$ORIGIN/${wexa_lib_from_bin}")
install(TARGETS ${wexa_programs} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

# What is installed is made by the target wexa_installed (scripts/package.sh
# builds it); installing itself builds nothing, so a package of a folder
# configured with the tests and benchmarks does not wait for them.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)
add_custom_target(wexa_installed)
add_dependencies(wexa_installed ${wexa_programs})

if(WIN32)
    return()
endif()

# Manual pages and the changelog, compressed as Debian's policy wants them:
# gzip -n, so that the archive holds no time stamp and builds are alike.
function(wexa_gzipped_doc source destination)
    get_filename_component(name ${source} NAME)
    set(gzipped ${CMAKE_BINARY_DIR}/installed-docs/${name}.gz)
    add_custom_command(OUTPUT ${gzipped}
        COMMAND ${CMAKE_COMMAND} -E copy ${source} ${CMAKE_BINARY_DIR}/installed-docs/${name}
        COMMAND gzip -9nf ${CMAKE_BINARY_DIR}/installed-docs/${name}
        DEPENDS ${source} VERBATIM)
    string(MAKE_C_IDENTIFIER ${name} target)
    add_custom_target(wexa_doc_${target} ALL DEPENDS ${gzipped})
    add_dependencies(wexa_installed wexa_doc_${target})
    install(FILES ${gzipped} DESTINATION ${destination})
endfunction()
wexa_gzipped_doc(${CMAKE_SOURCE_DIR}/docs/man/wexa-cli.1 ${CMAKE_INSTALL_MANDIR}/man1)
set(wexa_docdir ${CMAKE_INSTALL_DATADIR}/doc/wexa)
wexa_gzipped_doc(${CMAKE_SOURCE_DIR}/packaging/changelog ${wexa_docdir})
install(FILES ${CMAKE_SOURCE_DIR}/packaging/copyright DESTINATION ${wexa_docdir})

if(NOT WEXA_GUI)
    return()
endif()
wexa_gzipped_doc(${CMAKE_SOURCE_DIR}/docs/man/wexa.1 ${CMAKE_INSTALL_MANDIR}/man1)
# The guide Help shows, for reading outside the program too.
install(FILES ${WEXA_USER_GUIDE_FILES} DESTINATION ${wexa_docdir})
install(FILES ${CMAKE_SOURCE_DIR}/packaging/doc-base DESTINATION ${CMAKE_INSTALL_DATADIR}/doc-base
        RENAME wexa-user-guide)

# The desktop lists Wexa and opens .wxa files with it.
set(wexa_desktop ${CMAKE_SOURCE_DIR}/src/app/desktop)
install(FILES ${wexa_desktop}/wexa.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${wexa_desktop}/wexa.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${wexa_desktop}/wexa.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/256x256/apps)
install(FILES ${wexa_desktop}/wexa-mime.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages
        RENAME wexa.xml)

# Software centres read this. AppStream wants a reverse domain name as the
# id, and screenshots as web addresses: both follow the homepage, which is a
# placeholder until the project has one.
set(WEXA_HOMEPAGE "https://wexa.example.org" CACHE STRING
    "Wexa's web site; AppStream's screenshots are its docs/ pictures")
string(REGEX REPLACE "^https?://([^/]+).*" "\\1" wexa_host ${WEXA_HOMEPAGE})
string(REPLACE "." ";" wexa_host_parts ${wexa_host})
list(REVERSE wexa_host_parts)
list(JOIN wexa_host_parts "." WEXA_APPSTREAM_ID)
configure_file(${wexa_desktop}/wexa.metainfo.xml.in
               ${CMAKE_BINARY_DIR}/installed-docs/${WEXA_APPSTREAM_ID}.metainfo.xml @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/installed-docs/${WEXA_APPSTREAM_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
