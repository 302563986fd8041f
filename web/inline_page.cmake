# SPDX-License-Identifier: GPL-3.0-or-later
# Writes the page, OUTPUT, from TEMPLATE with its style and scripts written
# into it: the comment <!-- style --> becomes STYLE's contents in a <style>
# element, and <!-- scripts --> each of SCRIPTS (comma-separated paths) in a
# <script> element of its own, in that order, so that no script's strict
# mode reaches another's code. The style's comments stay in its file. A file
# that would end its element early, or open an HTML comment there, stops
# the build.
#   cmake -DTEMPLATE=web/index.html -DSTYLE=web/page.css -DSCRIPTS=a.js,b.js
#         -DOUTPUT=build-web/page/index.html -P web/inline_page.cmake
file(READ "${TEMPLATE}" page)
file(READ "${STYLE}" style)
string(REGEX REPLACE "/\\*[^*]*\\*+([^/*][^*]*\\*+)*/\n?" "" style "${style}")
string(TOLOWER "${style}" lower)
if(lower MATCHES "</style")
  message(FATAL_ERROR "${STYLE} holds </style")
endif()
string(REPLACE "<!-- style -->" "<style>${style}</style>" page "${page}")
string(REPLACE "," ";" scripts "${SCRIPTS}")
set(elements "")
foreach(script IN LISTS scripts)
  file(READ "${script}" code)
  string(TOLOWER "${code}" lower)
  if(lower MATCHES "</script|<!--")
    message(FATAL_ERROR "${script} holds </script or <!--")
  endif()
  string(APPEND elements "<script>${code}</script>\n")
endforeach()
string(REPLACE "<!-- scripts -->\n" "${elements}" page "${page}")
file(WRITE "${OUTPUT}" "${page}")
