// FrameWright.exe: the program's one application object.
#include "ConverterApp.h"

static CConverterApp theApp;
