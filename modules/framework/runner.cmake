# The conversion runner of the conversion module framework: the batch loop,
# its progress, times and results, and the external encoder's conversions.
target_sources(convframework PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/RunnerTexts.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ConvertRunner.cpp
  ${CMAKE_CURRENT_LIST_DIR}/EncoderConversions.cpp
  ${CMAKE_CURRENT_LIST_DIR}/VideoConvertRunner.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TaskListRows.cpp)
