# SPDX-License-Identifier: GPL-3.0-or-later
# Writes the page's service worker, DIR/sw.js, from TEMPLATE: the page's
# FILES (comma-separated names in DIR) and "./", which the server answers
# with index.html, and a version made from the files' contents, so that a
# change of any byte of any of them makes a new version.
#   cmake -DDIR=build-web/page -DTEMPLATE=web/sw.js.in -DFILES=index.html,page.js
#         -P web/service_worker.cmake
string(REPLACE "," ";" files "${FILES}")
set(digests "")
set(CNC_PAGE_FILES "\"./\"")
foreach(file IN LISTS files)
  file(SHA256 "${DIR}/${file}" digest)
  string(APPEND digests "${digest} ${file}\n")
  string(APPEND CNC_PAGE_FILES ", \"${file}\"")
endforeach()
string(SHA256 version "${digests}")
string(SUBSTRING "${version}" 0 16 CNC_PAGE_VERSION)
configure_file("${TEMPLATE}" "${DIR}/sw.js" @ONLY)
