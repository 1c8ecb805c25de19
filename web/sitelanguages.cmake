# SPDX-License-Identifier: GPL-3.0-or-later
# Writes the site's languages.js from the string tables: each language the
# site ships, by its own name, and what the page says (and its title) when it
# is opened as a file, where it can read no table.
# Usage: cmake -DENGLISH=strings.txt -DTABLES="de.txt;fr.txt…" -DOUTPUT=languages.js -P sitelanguages.cmake
function(tabletext file number variable)
  file(STRINGS ${file} line REGEX "^${number} \"" ENCODING UTF-8)
  string(REGEX REPLACE "^${number} \"(.*)\"$" "\\1" value "${line}")
  string(REPLACE "\\" "\\\\" value "${value}")
  string(REPLACE "\"" "\\\"" value "${value}")
  set(${variable} "${value}" PARENT_SCOPE)
endfunction()

set(entries "")
foreach(file ${ENGLISH} ${TABLES})
  get_filename_component(code ${file} NAME_WE)
  if(file STREQUAL ENGLISH)
    set(code en)
  endif()
  tabletext(${file} 943 name)
  tabletext(${file} 941 first)
  tabletext(${file} 942 second)
  tabletext(${file} 90 title)
  string(APPEND entries "  \"${code}\": { \"name\": \"${name}\", \"title\": \"${title}\", \"notserved\": [\"${first}\", \"${second}\"] },\n")
endforeach()
file(WRITE ${OUTPUT} "// Made by the build from the string tables.\n'use strict';\nself.jexlanguages = {\n${entries}};\n")
