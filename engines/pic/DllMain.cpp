// PicCast's factory: one independent engine per call.
#include <new>

#include "engines/pic/ImageToolConverter.h"

extern "C" IConvertEngine* WINAPI CreateVarnoConverter() {
  return new (std::nothrow) CImageToolConverter();
}
