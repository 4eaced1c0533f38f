// The photo module's runner: the framework's batch over still-image tasks.
#pragma once
#include "modules/framework/runner/ConvertRunner.h"

class CPhotoConvertRunner : public CConvertRunner {};
