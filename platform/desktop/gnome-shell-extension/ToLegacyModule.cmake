# cmake -DIN=<module.js> -DOUT=<file.js> -P ToLegacyModule.cmake
# Turns an ES module of this extension into the module format of GNOME 42-44.
file(READ ${IN} text)
string(REGEX REPLACE "import ([A-Za-z_]+) from 'gi://([A-Za-z]+)';" "const \\1 = imports.gi.\\2;" text "${text}")
string(REGEX REPLACE "import \\* as ([A-Za-z_]+) from 'resource:///org/gnome/shell/ui/([A-Za-z]+)\\.js';"
       "const \\1 = imports.ui.\\2;" text "${text}")
string(REGEX REPLACE "export class ([A-Za-z_]+)" "var \\1 = class \\1" text "${text}")
string(REGEX REPLACE "export function" "function" text "${text}")
string(REGEX REPLACE "export const" "var" text "${text}")
if(text MATCHES "(^|\n)(import|export) ")
  message(FATAL_ERROR "${IN}: a module line the older format has no form for")
endif()
file(WRITE ${OUT} "${text}")
