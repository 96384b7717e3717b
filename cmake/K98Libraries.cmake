# SPDX-FileCopyrightText: 2026 Kestrel 98 developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Source lists name each class once: an item without a file ending stands for
# the class's header and its implementation ("launch/ExecLine" for
# launch/ExecLine.h and launch/ExecLine.cpp); an item with one is that file
# alone (a header of its own, a second implementation file, or the X11
# implementation of a header).
#
#   k98_add_library(<target> <STATIC|SHARED> <item>...)
function(k98_add_library target type)
  set(files)
  foreach(item IN LISTS ARGN)
    get_filename_component(ending ${item} LAST_EXT)
    if(ending)
      list(APPEND files ${item})
    else()
      list(APPEND files ${item}.h ${item}.cpp)
    endif()
  endforeach()
  add_library(${target} ${type} ${files})
endfunction()

# A look-up by class id loads each library of the program folder in turn and
# lets go of those without the class; GCC's unique symbols (inline statics
# such as Qt's meta-type names) would keep them mapped for good.
function(k98_unloadable target)
  target_compile_options(${target} PRIVATE $<$<CXX_COMPILER_ID:GNU>:-fno-gnu-unique>)
endfunction()

# An in-process component library: written against the runtime and the
# dialogs' shared routines, it lands in the program folder, where the program
# creates its classes late bound.
#
#   k98_add_component_library(<target> <folder> <item>...)
function(k98_add_component_library target folder)
  k98_add_library(${target} SHARED ${ARGN})
  k98_export_headers(${target} ${folder})
  target_link_libraries(${target} PUBLIC k98runtime PRIVATE k98shared k98platform Qt6::Widgets)
  k98_unloadable(${target})
  # Installed into the program folder, beside the program.
  install(TARGETS ${target} LIBRARY DESTINATION ${K98_INSTALL_DIR})
endfunction()
