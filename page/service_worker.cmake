# Writes sw.js from its template: the site's files by name, and a hash of
# their contents that names the worker's cache.
#   cmake -DTEMPLATE=sw.js.in -DOUTPUT=sw.js -DNAMES="a|b" -DPATHS="/x/a|/y/b" -P service_worker.cmake
string(REPLACE "|" ";" NAMES "${NAMES}")
string(REPLACE "|" ";" PATHS "${PATHS}")
set(hashes "")
set(quoted "")
foreach(name path IN ZIP_LISTS NAMES PATHS)
  file(SHA256 ${path} hash)
  string(APPEND hashes ${hash})
  list(APPEND quoted "\"${name}\"")
endforeach()
string(SHA256 SITE_HASH "${hashes}")
string(SUBSTRING ${SITE_HASH} 0 16 SITE_HASH)
list(JOIN quoted ", " SITE_FILES)
configure_file(${TEMPLATE} ${OUTPUT} @ONLY)
