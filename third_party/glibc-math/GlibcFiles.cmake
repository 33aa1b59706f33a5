# glibc's own files of the library come from the archive Debian's
# glibc-source package installs, never from this repository. This takes
# each file that HASH_LIST names (sha256sum's format: the SHA-256, two
# spaces, the file's path inside the archive) out of ARCHIVE into
# DESTINATION, and refuses to go on (FATAL_ERROR) when the archive is
# missing, or a file is missing from it or differs from the one listed.
# Files already taken and still as listed are not taken again.
#
# Included by CMakeLists.txt, which calls wexa_glibc_files(); the tests run
# it by itself:
#   cmake -DARCHIVE=FILE -DHASH_LIST=FILE -DDESTINATION=DIR -P GlibcFiles.cmake
cmake_minimum_required(VERSION 3.20)

set(WEXA_GLIBC_PACKAGE_VERSION 2.36-9+deb12u14)

# What a refusal tells the reader to do.
function(wexa_glibc_refuse problem)
    message(FATAL_ERROR "${problem}\nThe library is built from glibc's files as Debian's "
                        "glibc-source ${WEXA_GLIBC_PACKAGE_VERSION} ships them. Install that "
                        "version (apt-get install glibc-source=${WEXA_GLIBC_PACKAGE_VERSION}; "
                        "scripts/ensure-packages.sh installs it where it is missing), or give "
                        "its glibc-2.36.tar.xz as -DWEXA_GLIBC_SOURCE_ARCHIVE=FILE.")
endfunction()

# Sets ${result} to the paths of HASH_LIST whose copy in DESTINATION is
# missing or differs from the listed SHA-256; with REFUSE, refuses on the
# first such path instead, naming it as a file of ARCHIVE.
function(wexa_glibc_check hash_list destination archive mode result)
    file(STRINGS "${hash_list}" lines)
    set(stale "")
    set(count 0)
    foreach(line IN LISTS lines)
        if(NOT line MATCHES "^([0-9a-f]+)  (.+)$")
            message(FATAL_ERROR "${hash_list}: not a SHA-256 and a path: ${line}")
        endif()
        set(expected "${CMAKE_MATCH_1}")
        set(path "${CMAKE_MATCH_2}")
        math(EXPR count "${count} + 1")
        set(copy "${destination}/${path}")
        if(EXISTS "${copy}")
            file(SHA256 "${copy}" actual)
            if(actual STREQUAL expected)
                continue()
            endif()
            string(CONCAT why "differs from the one the library is built from "
                              "(SHA-256 ${actual}, expected ${expected})")
        else()
            set(why "is missing")
        endif()
        if(mode STREQUAL "REFUSE")
            wexa_glibc_refuse("${path} in ${archive} ${why}.")
        endif()
        list(APPEND stale "${path}")
    endforeach()
    if(count EQUAL 0)
        message(FATAL_ERROR "${hash_list} names no file")
    endif()
    set(${result} "${stale}" PARENT_SCOPE)
endfunction()

function(wexa_glibc_files archive hash_list destination)
    wexa_glibc_check("${hash_list}" "${destination}" "${archive}" KEEP stale)
    if(NOT stale)
        return()
    endif()
    if(NOT EXISTS "${archive}")
        wexa_glibc_refuse("glibc's source archive ${archive} is missing.")
    endif()
    list(LENGTH stale count)
    message(STATUS "Taking ${count} of glibc's files from ${archive}")
    # A file the archive lacks must not pass as the copy taken before.
    list(TRANSFORM stale PREPEND "${destination}/" OUTPUT_VARIABLE copies)
    file(REMOVE ${copies})
    file(MAKE_DIRECTORY "${destination}")
    # A member missing from the archive fails the command after the others
    # are out; the check below names it.
    execute_process(COMMAND ${CMAKE_COMMAND} -E tar xf "${archive}" -- ${stale}
                    WORKING_DIRECTORY "${destination}" OUTPUT_QUIET ERROR_QUIET)
    wexa_glibc_check("${hash_list}" "${destination}" "${archive}" REFUSE stale)
endfunction()

if(CMAKE_SCRIPT_MODE_FILE STREQUAL CMAKE_CURRENT_LIST_FILE)
    if(NOT ARCHIVE OR NOT HASH_LIST OR NOT DESTINATION)
        message(FATAL_ERROR
                "usage: cmake -DARCHIVE=FILE -DHASH_LIST=FILE -DDESTINATION=DIR -P GlibcFiles.cmake")
    endif()
    wexa_glibc_files("${ARCHIVE}" "${HASH_LIST}" "${DESTINATION}")
endif()
