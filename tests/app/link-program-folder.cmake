# cmake -DBIN=<program folder> -DOUT=<folder> -P link-program-folder.cmake
# A program folder of the tests' own: every entry of the build's program
# folder linked in, so that a test program built into it finds the
# libraries, stand-ins, skins and help beside its own file as the program
# does. Configs is a folder of its own with the format profile linked in:
# each test program writes its Config.ini there. What the program writes
# beside itself (the help file in use, log settings and logs) is not linked.
file(MAKE_DIRECTORY ${OUT}/Configs)
file(GLOB entries RELATIVE ${BIN} LIST_DIRECTORIES true ${BIN}/*)
foreach(entry ${entries})
  if(entry STREQUAL "Configs" OR entry STREQUAL "Help.chm" OR entry MATCHES "\\.(cfg|log)$")
    continue()
  endif()
  if(NOT EXISTS ${OUT}/${entry} AND NOT IS_SYMLINK ${OUT}/${entry})
    file(CREATE_LINK ${BIN}/${entry} ${OUT}/${entry} SYMBOLIC)
  endif()
endforeach()
if(NOT EXISTS ${OUT}/Configs/Formats.ini)
  file(CREATE_LINK ${BIN}/Configs/Formats.ini ${OUT}/Configs/Formats.ini SYMBOLIC)
endif()
