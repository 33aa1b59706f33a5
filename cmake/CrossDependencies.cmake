# The libraries a cross build (for Windows or for 64-bit ARM Linux, see
# scripts/cross-build.sh) takes from the build machine. Debian ships CLI11
# and nlohmann/json as headers and GoogleTest as sources, all installed for
# this machine: the headers are taken alone (never /usr/include itself, whose
# C library is this machine's) and GoogleTest is built with the rest.
set(wexa_host_headers ${CMAKE_BINARY_DIR}/host-headers)
file(MAKE_DIRECTORY ${wexa_host_headers})
foreach(folder nlohmann CLI)
    if(NOT EXISTS /usr/include/${folder})
        message(FATAL_ERROR "/usr/include/${folder} is missing: scripts/cross-build.sh installs it")
    endif()
    file(CREATE_LINK /usr/include/${folder} ${wexa_host_headers}/${folder} SYMBOLIC)
endforeach()
foreach(library nlohmann_json::nlohmann_json CLI11::CLI11)
    add_library(${library} INTERFACE IMPORTED)
    set_target_properties(${library} PROPERTIES INTERFACE_INCLUDE_DIRECTORIES ${wexa_host_headers})
endforeach()

if(WEXA_TESTS)
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    # It names its targets GTest::gtest, GTest::gmock and GTest::gtest_main.
    add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
endif()
