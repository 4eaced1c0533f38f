// Resource ids of MovieCast (the task list's popup and its commands, as the
// framework's task-list view expects them).
#pragma once

#define IDR_MOVIECAST_TASKLIST 28002
#define IDM_MOVIECAST_OPEN 32771
#define IDM_MOVIECAST_DELETE 32772
#define IDM_MOVIECAST_SELECT_ALL 32773
