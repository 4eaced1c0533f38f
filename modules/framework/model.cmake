# The model side of the conversion module framework: task records and the
# task list, the converter manager with its engines, codec library binding
# and output types, the media probe, and the disk, path and picture helpers.
# One static library that each conversion module links, so each module keeps
# its own globals, log client and engine table.
add_library(convframework STATIC)
target_include_directories(convframework PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
target_sources(convframework PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/CodecLibrary.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CodecLookup.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CommaList.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ConverterManager.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DiskUtils.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MediaInfoCtrl.cpp
  ${CMAKE_CURRENT_LIST_DIR}/OutputTypes.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PictureLoader.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SizeFit.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TaskList.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TaskNaming.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TaskRecord.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TaskSettings.cpp)
target_link_libraries(convframework PUBLIC vrc_include winfx logclient shlwapi ole32 oleaut32
                      strmiids uuid)
