// FrameWright.exe: the program's one application object.
#include "app/ConverterApp.h"

static CConverterApp theApp;
