# SPDX-License-Identifier: GPL-3.0-or-later
# Run by cpack once the packages are made: puts right what cpack (CMake 3.25)
# gets wrong in the package of debug symbols. Its list of checksums names the
# debug file by the full path it was made at, instead of its path in the
# package; the file is marked executable; and the package has no documentation
# folder, where Debian points it to the program's own.
foreach(package IN LISTS CPACK_PACKAGE_FILES)
  if(NOT package MATCHES "-dbgsym_[^/]*\\.ddeb$")
    continue()
  endif()
  get_filename_component(folder "${package}" DIRECTORY)
  set(tree "${folder}/dbgsym-tree")
  file(REMOVE_RECURSE "${tree}")
  execute_process(COMMAND dpkg-deb --raw-extract "${package}" "${tree}" COMMAND_ERROR_IS_FATAL ANY)

  file(GLOB_RECURSE debugfiles RELATIVE "${tree}" "${tree}/usr/lib/debug/*.debug")
  set(checksums "")
  foreach(debugfile IN LISTS debugfiles)
    file(CHMOD "${tree}/${debugfile}" PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
    file(MD5 "${tree}/${debugfile}" checksum)
    string(APPEND checksums "${checksum}  ${debugfile}\n")
  endforeach()
  file(WRITE "${tree}/DEBIAN/md5sums" "${checksums}")

  execute_process(COMMAND dpkg-deb --field "${package}" Package
                  OUTPUT_VARIABLE name OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
  string(REGEX REPLACE "-dbgsym$" "" program "${name}")
  file(MAKE_DIRECTORY "${tree}/usr/share/doc")
  file(CREATE_LINK "${program}" "${tree}/usr/share/doc/${name}" SYMBOLIC)

  execute_process(COMMAND dpkg-deb --root-owner-group -Zgzip --build "${tree}" "${package}"
                  OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
  file(REMOVE_RECURSE "${tree}")
endforeach()
