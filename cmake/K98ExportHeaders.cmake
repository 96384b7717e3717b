# SPDX-FileCopyrightText: 2026 Kestrel 98 developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Headers are included by their path from the top of the tree
# ("platform/launch/ExecLine.h"), and only by the targets that link the
# library they belong to. Each library exports an include folder of its own
# that holds nothing but a link to its source folder (or to the few headers
# it names), so a target that does not link a library cannot see its headers:
# a layer that reaches for one above it fails to build.
#
#   k98_export_headers(<target> <folder> [HEADERS <file>...])
function(k98_export_headers target folder)
  cmake_parse_arguments(PARSE_ARGV 2 arg "" "" "HEADERS")
  set(root ${CMAKE_BINARY_DIR}/exports/${target})
  if(arg_HEADERS)
    file(MAKE_DIRECTORY ${root}/${folder})
    foreach(header IN LISTS arg_HEADERS)
      file(CREATE_LINK ${CMAKE_SOURCE_DIR}/${folder}/${header} ${root}/${folder}/${header} SYMBOLIC)
    endforeach()
  else()
    get_filename_component(parent ${root}/${folder} DIRECTORY)
    file(MAKE_DIRECTORY ${parent})
    file(CREATE_LINK ${CMAKE_SOURCE_DIR}/${folder} ${root}/${folder} SYMBOLIC)
  endif()
  get_target_property(type ${target} TYPE)
  if(type STREQUAL "INTERFACE_LIBRARY")
    target_include_directories(${target} INTERFACE $<BUILD_INTERFACE:${root}>)
  else()
    target_include_directories(${target} PUBLIC $<BUILD_INTERFACE:${root}>)
  endif()
endfunction()
