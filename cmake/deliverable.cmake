# .def files name stdcall exports with their i686 decoration ("Name@4"); the
# 32-bit link strips it (--kill-at), and for 64-bit builds, which have no
# decoration, a copy without it is made here.
function(vrc_def_source out_var deffile)
  get_filename_component(deffile ${deffile} ABSOLUTE)
  if(CMAKE_SIZEOF_VOID_P EQUAL 8)
    file(READ ${deffile} text)
    string(REGEX REPLACE "([A-Za-z0-9_])@[0-9]+" "\\1" text "${text}")
    get_filename_component(name ${deffile} NAME)
    set(copy ${CMAKE_CURRENT_BINARY_DIR}/${name})
    file(WRITE ${copy} "${text}")
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${deffile})
    set(${out_var} ${copy} PARENT_SCOPE)
  else()
    set(${out_var} ${deffile} PARENT_SCOPE)
  endif()
endfunction()

# vrc_shared_library(<target> <def file> <sources...>): a DLL whose exports
# come from a .def file, named exactly as the target (no "lib" prefix).
function(vrc_shared_library target deffile)
  vrc_def_source(def ${deffile})
  add_library(${target} SHARED ${ARGN} ${def})
  set_target_properties(${target} PROPERTIES PREFIX "" OUTPUT_NAME ${target})
  target_link_libraries(${target} PRIVATE vrc_include)
endfunction()
