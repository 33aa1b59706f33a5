# Housekeeping targets:
#   cmake --build build --target format        formats every source file
#   cmake --build build --target format-check  fails on a file not formatted
#   cmake --build build --target tidy          clang-tidy (.clang-tidy) on src/
# The test SourcesAreFormatted runs format-check's command with the tests.
find_program(WEXA_CLANG_FORMAT NAMES clang-format)
find_program(WEXA_RUN_CLANG_TIDY NAMES run-clang-tidy run-clang-tidy-14)

file(GLOB_RECURSE wexa_formatted_sources CONFIGURE_DEPENDS
     ${CMAKE_SOURCE_DIR}/src/*.h ${CMAKE_SOURCE_DIR}/src/*.cpp
     ${CMAKE_SOURCE_DIR}/tests/*.h ${CMAKE_SOURCE_DIR}/tests/*.cpp
     ${CMAKE_SOURCE_DIR}/bench/*.h ${CMAKE_SOURCE_DIR}/bench/*.cpp
     ${CMAKE_SOURCE_DIR}/fuzz/*.h ${CMAKE_SOURCE_DIR}/fuzz/*.cpp)
# The include-layer checker's sample tree is data, not code.
list(FILTER wexa_formatted_sources EXCLUDE REGEX "/tests/data/")

if(WEXA_CLANG_FORMAT)
    add_custom_target(format COMMAND ${WEXA_CLANG_FORMAT} -i ${wexa_formatted_sources}
                      WORKING_DIRECTORY ${CMAKE_SOURCE_DIR} VERBATIM)
    add_custom_target(format-check
                      COMMAND ${WEXA_CLANG_FORMAT} --dry-run --Werror ${wexa_formatted_sources}
                      WORKING_DIRECTORY ${CMAKE_SOURCE_DIR} VERBATIM)
    if(WEXA_TESTS)
        add_test(NAME SourcesAreFormatted
                 COMMAND ${WEXA_CLANG_FORMAT} --dry-run --Werror ${wexa_formatted_sources}
                 WORKING_DIRECTORY ${CMAKE_SOURCE_DIR})
    endif()
endif()

# Every file of src/ that this build compiles, as compile_commands.json
# gives it (Qt's include paths included); a finding fails the target
# (WarningsAsErrors). The window's folders are compiled, and so checked,
# only when WEXA_GUI is on.
if(WEXA_RUN_CLANG_TIDY)
    if(WEXA_GUI)
        set(wexa_tidy_note "clang-tidy over src/")
    else()
        set(wexa_tidy_note "clang-tidy over src/ but src/ui and src/app: WEXA_GUI is off")
    endif()
    add_custom_target(tidy
                      COMMAND ${WEXA_RUN_CLANG_TIDY} -quiet -p ${CMAKE_BINARY_DIR}
                              "^${CMAKE_SOURCE_DIR}/src/"
                      COMMENT "${wexa_tidy_note}"
                      WORKING_DIRECTORY ${CMAKE_SOURCE_DIR} USES_TERMINAL VERBATIM)
endif()
