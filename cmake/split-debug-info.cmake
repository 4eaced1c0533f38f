# cmake -DOBJCOPY=<objcopy> -DOBJDUMP=<objdump> -DBIN=<program folder>
#       -DDEBUG=<debug folder> -P split-debug-info.cmake
# Every program and library of the program folder that carries debug
# information leaves it in <debug folder>/<file>.debug and keeps only a link
# to it; a file stripped already (or built without it) is left alone.
file(MAKE_DIRECTORY ${DEBUG})
file(GLOB binaries ${BIN}/*.exe ${BIN}/*.dll)
foreach(binary ${binaries})
  execute_process(COMMAND ${OBJDUMP} -h ${binary} OUTPUT_VARIABLE sections
                  RESULT_VARIABLE status ERROR_QUIET)
  if(NOT status EQUAL 0 OR NOT sections MATCHES "\\.debug_info")
    continue()
  endif()
  get_filename_component(name ${binary} NAME)
  set(debug_file ${DEBUG}/${name}.debug)
  execute_process(COMMAND ${OBJCOPY} --only-keep-debug ${binary} ${debug_file}
                  COMMAND_ERROR_IS_FATAL ANY)
  execute_process(COMMAND ${OBJCOPY} --strip-debug --strip-unneeded
                          --add-gnu-debuglink=${debug_file} ${binary}
                  COMMAND_ERROR_IS_FATAL ANY)
endforeach()
