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

# vrc_split_debug_info(<targets...>): after every program and library among
# them that lands in the program folder is built, its debug information goes
# to the build's debug/<file>.debug and the file in the program folder is
# stripped, keeping a link to that file's name (a debugger takes it with
# gdb's symbol-file <build>/debug/<file>.debug). Programs of the tests' own
# keep theirs.
function(vrc_split_debug_info)
  set(built)
  foreach(target ${ARGN})
    get_target_property(type ${target} TYPE)
    if(NOT type STREQUAL "EXECUTABLE" AND NOT type STREQUAL "SHARED_LIBRARY")
      continue()
    endif()
    get_target_property(dir ${target} RUNTIME_OUTPUT_DIRECTORY)
    if(dir STREQUAL VRC_BIN_DIR)
      list(APPEND built ${target})
    endif()
  endforeach()
  add_custom_target(program_folder_stripped ALL
    COMMAND ${CMAKE_COMMAND} -DOBJCOPY=${VRC_MINGW_TRIPLE}-objcopy
            -DOBJDUMP=${VRC_MINGW_TRIPLE}-objdump -DBIN=${VRC_BIN_DIR}
            -DDEBUG=${CMAKE_BINARY_DIR}/debug -P ${PROJECT_SOURCE_DIR}/cmake/split-debug-info.cmake
    COMMENT "Moving the debug information out of the program folder"
    VERBATIM)
  add_dependencies(program_folder_stripped ${built})
endfunction()
