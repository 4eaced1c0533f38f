// The plain pieces of PicCast that need no image: the fields of its
// configuration text, the choice between copying a source and redrawing it,
// and the image tool's command line.
#pragma once
#include <windows.h>

#include <string>

// Takes the field before the first ';' of `text` and leaves the rest after
// it in `text`, with white space cut from both ends of the rest. Without a
// ';' the field is the whole text and the text becomes empty.
std::string NextField(std::string& text);

// The source facts that decide whether GDI+ scales it before the tool runs.
enum SourceKind { kSourceOther, kSourcePng, kSourceJpeg };
// Redrawn when forced, for PNG and JPEG files and for every 32-bit pixel
// format (32bppRGB, 32bppARGB, 32bppPARGB); else the file is copied.
bool NeedsRedraw(SourceKind kind, int pixelFormat, bool force);

// The image tool's parameters: source A, result B, the target size.
std::string ImageToolParameters(const char* a, const char* b, int width, int height);
