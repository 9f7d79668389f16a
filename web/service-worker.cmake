# Writes the site's service worker into the site's folder SITE, from the
# template beside this script: the site's files, and a cache name made from
# their contents, so that every build whose files differ has a cache of its own.
#   cmake -DSITE=<folder> -P service-worker.cmake
file(REAL_PATH ${SITE} SITE)
file(GLOB_RECURSE files LIST_DIRECTORIES false RELATIVE ${SITE} ${SITE}/*)
list(REMOVE_ITEM files service-worker.js)
if(NOT files)
  message(FATAL_ERROR "${SITE} holds no site")
endif()
list(SORT files)
set(digests "")
foreach(file IN LISTS files)
  file(SHA256 ${SITE}/${file} digest)
  string(APPEND digests "${digest} ${file}\n")
endforeach()
string(SHA256 BUILD "${digests}")
string(SUBSTRING ${BUILD} 0 16 BUILD)
list(JOIN files " " FILES)
configure_file(${CMAKE_CURRENT_LIST_DIR}/service-worker.js ${SITE}/service-worker.js @ONLY)
