# SPDX-License-Identifier: GPL-3.0-or-later
# Checks that the folders under src/ include each other only downwards.
# Usage: cmake -DSOURCE=<src folder> -P includeorder.cmake
# Every `#include "folder/..."` of a file in a folder must name that folder or
# one listed before it here. Reports every include that breaks the order; there
# are no exceptions.

cmake_minimum_required(VERSION 3.25)

# Lowest first.
set(layers core entry canvas run files printing windows qt)

if(NOT IS_DIRECTORY "${SOURCE}")
  message(FATAL_ERROR "no source folder given: -DSOURCE=<src folder>")
endif()

get_filename_component(SOURCE "${SOURCE}" ABSOLUTE)
set(broken 0)
file(GLOB_RECURSE sources RELATIVE "${SOURCE}" "${SOURCE}/*.h" "${SOURCE}/*.cpp" "${SOURCE}/*.in")
foreach(source IN LISTS sources)
  string(REGEX MATCH "^[^/]+" folder "${source}")
  list(FIND layers "${folder}" level)
  if(level EQUAL -1)
    message(SEND_ERROR "${source}: the folder ${folder} has no place in the order of includes")
    math(EXPR broken "${broken} + 1")
    continue()
  endif()
  file(STRINGS "${SOURCE}/${source}" includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"[^\"/]+/")
  foreach(line IN LISTS includes)
    string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*\"([^\"]+)\".*" "\\1" included "${line}")
    string(REGEX MATCH "^[^/]+" target "${included}")
    list(FIND layers "${target}" targetlevel)
    if(targetlevel EQUAL -1 OR targetlevel LESS_EQUAL level)
      continue()
    endif()
    message(SEND_ERROR "${source} includes ${included}: ${folder} lies below ${target}")
    math(EXPR broken "${broken} + 1")
  endforeach()
endforeach()

list(LENGTH sources count)
list(JOIN layers " < " order)
if(broken GREATER 0)
  message(FATAL_ERROR "${broken} include(s) break the order ${order}")
endif()
message(STATUS "${count} files include only downwards (${order})")
