# Writes the AppStream file: its <releases> come from debian/changelog (newest first, as there),
# and its screenshots name HALVANE_SCREENSHOT_URL, the web folder that holds the pictures of
# packaging/screenshots/ (AppStream takes web addresses only; without one there are none).
#   cmake -DIN=<template> -DOUT=<file> -DCHANGELOG=<debian/changelog> -DSCREENSHOTS=<folder>
#         [-DSCREENSHOT_URL=<url>] -P Metainfo.cmake
file(STRINGS ${CHANGELOG} lines)
set(months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
set(HALVANE_RELEASES "")
foreach(line IN LISTS lines)
  if(line MATCHES "^[a-z0-9.+-]+ \\(([^)]+)\\)")
    set(version ${CMAKE_MATCH_1})
  elseif(line MATCHES "^ -- .*>  [A-Za-z]+, ([0-9]+) ([A-Za-z]+) ([0-9]+) ")
    list(FIND months ${CMAKE_MATCH_2} month)
    math(EXPR month "${month} + 1")
    if(month LESS 10)
      set(month 0${month})
    endif()
    set(day ${CMAKE_MATCH_1})
    if(day LESS 10)
      set(day 0${day})
    endif()
    string(APPEND HALVANE_RELEASES
      "    <release version=\"${version}\" date=\"${CMAKE_MATCH_3}-${month}-${day}\"/>\n")
  endif()
endforeach()

set(HALVANE_SCREENSHOTS "")
if(SCREENSHOT_URL)
  set(captions
    "pane.png|The macro keys of a profile"
    "pane-profiles.png|The ten profiles and their assigned applications"
    "editor.png|Recording a macro")
  set(type " type=\"default\"")
  foreach(entry IN LISTS captions)
    string(REPLACE "|" ";" entry "${entry}")
    list(GET entry 0 picture)
    list(GET entry 1 caption)
    if(EXISTS ${SCREENSHOTS}/${picture})
      string(APPEND HALVANE_SCREENSHOTS "    <screenshot${type}>\n"
        "      <caption>${caption}</caption>\n"
        "      <image>${SCREENSHOT_URL}/${picture}</image>\n"
        "    </screenshot>\n")
      set(type "")
    endif()
  endforeach()
  if(HALVANE_SCREENSHOTS)
    set(HALVANE_SCREENSHOTS "  <screenshots>\n${HALVANE_SCREENSHOTS}  </screenshots>\n")
  endif()
endif()
configure_file(${IN} ${OUT} @ONLY)
