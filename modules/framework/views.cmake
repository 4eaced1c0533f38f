# The window side of the conversion module framework, in the same library as
# the model: the module base with its connection points and event firing,
# the skinned list control and header, the task-list and playback views, the
# message pump and the DirectShow preview player.
target_sources(convframework PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/ConnectionPoint.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ConverterModuleBase.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SkinData.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SkinHeaderCtrl.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SkinListCtrl.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TaskListCtrl.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TaskListView.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SkinWnd.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MessagePump.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DirectShowPlayer.cpp)
target_link_libraries(convframework PUBLIC vrc_include modulebase winfx logclient SkinScrollBar
                      comctl32 shlwapi ole32 oleaut32 strmiids uuid)
