// The floor program's dialog template.
#pragma once
#define IDD_FLOOR_WINDOW 102
