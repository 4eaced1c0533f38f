// The output types of the format profile as the conversion modules load
// them; the record itself is shared with the configuration store.
#pragma once
#include "include/OutputTypeEntry.h"

// The most output types a profile can hold ([OT0] to [OT19]).
enum { kMaxOutputTypes = 20 };
