// The views' helpers live in the window layer, where the skinned pages of
// the main window share them.
#pragma once
#include "winfx/ViewHelpers.h"
