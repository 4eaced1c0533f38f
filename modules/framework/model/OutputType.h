// The output types of the format profile as the conversion modules load
// them: the record is shared with the configuration store, and the table's
// limit (kMaxOutputTypes) belongs to the profile reader.
#pragma once
#include "base/FormatProfile.h"
#include "include/OutputTypeEntry.h"
