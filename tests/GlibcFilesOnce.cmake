# glibc's files are taken from the archive once: a build folder whose copies
# are all as listed needs no archive at all, and a copy changed there is
# taken again.
#   cmake -DARCHIVE=FILE -DHASH_LIST=FILE -DDESTINATION=DIR -P GlibcFilesOnce.cmake
cmake_minimum_required(VERSION 3.20)
include(${CMAKE_CURRENT_LIST_DIR}/../third_party/glibc-math/GlibcFiles.cmake)

file(REMOVE_RECURSE "${DESTINATION}")
wexa_glibc_files("${ARCHIVE}" "${HASH_LIST}" "${DESTINATION}")
wexa_glibc_files("${DESTINATION}/absent.tar.xz" "${HASH_LIST}" "${DESTINATION}")

file(STRINGS "${HASH_LIST}" first LIMIT_COUNT 1)
string(REGEX REPLACE "^[0-9a-f]+  " "" first "${first}")
file(APPEND "${DESTINATION}/${first}" "/* changed */\n")
wexa_glibc_files("${ARCHIVE}" "${HASH_LIST}" "${DESTINATION}")
wexa_glibc_check("${HASH_LIST}" "${DESTINATION}" "${ARCHIVE}" REFUSE stale)
message(STATUS "${first}, changed, was taken again")
