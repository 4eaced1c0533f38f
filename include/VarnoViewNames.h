// The names of the views (the main window asks a module's view factory for
// them by name, without regard to case; each view answers its name back) and
// the task-list popup menu that every module library carries in its own
// resources for the framework's task-list view. Resource scripts include this
// file too, so its ids are plain #defines.
#pragma once

#define IDR_TASKLIST_MENU 28002
#define IDR_MUSIC_TASKLIST_MENU 29000
#define IDR_PHOTO_TASKLIST_MENU 30000
#define ID_TASKLIST_OPEN 32771
#define ID_TASKLIST_DELETE 32772
#define ID_TASKLIST_SELECT_ALL 32773

#ifndef RC_INVOKED
// The video module's views.
constexpr char kVideoTaskListViewName[] = "VideoConverterTaskListView";
constexpr char kVideoPlaybackViewName[] = "VideoPlaybackWndView";
// The music module's views.
constexpr char kMusicTaskListViewName[] = "MusicConverterTaskListView";
constexpr char kMusicPlaybackViewName[] = "MusicPlaybackWndView";
// The photo module's views.
constexpr char kPhotoTaskListViewName[] = "StillCastTaskListView";
constexpr char kPhotoWndViewName[] = "PhotoWndView";
// What the framework's view classes answer where a module's class does not
// name itself: CTaskListCtrl, CTaskListView, CSkinWnd.
constexpr char kConverterTaskListName[] = "ConverterTaskList";
constexpr char kMultimediaTaskListViewName[] = "MultimediaConverterTaskListView";
constexpr char kPlaybackWndViewName[] = "PlaybackWndView";
#endif
