// The codec library's argument vector, built from the format profile's
// command template of a task, and the texts of the library's error codes.
#pragma once
#include <string>
#include <vector>

#include "modules/framework/model/TaskRecord.h"

// The template's tokens end with this separator; text after the last one
// is not a token.
const char kCodecSeparator[] = " |";

// `output` replaces "OUTPUTFILE" (the task's output path when empty).
// `replaced` receives the template after replacement, for the log.
std::vector<std::string> BuildCodecArguments(const std::string& codecTemplate,
                                             const CTaskRecord& task, const std::string& output,
                                             std::string* replaced);

// The tokens of a template: every piece that ends with the separator.
std::vector<std::string> SplitCodecTokens(const std::string& text);

// The log text of a non-zero result of the library ("" for unknown codes).
const char* CodecErrorText(int code);
