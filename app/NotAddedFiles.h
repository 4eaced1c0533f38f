// The one message of an add that had to leave files out: which files, and
// why, in a text of bounded length however many there were.
#pragma once
#include <string>
#include <vector>

// The most names the message lists; the rest are counted.
enum { kNotAddedNamesShown = 10 };

// Why the files were left out: the part of the message that is translated
// (it fits the translator's buffer; the names are added after it).
extern const char kNotAddedFilesReason[];
// Why files whose probe did not answer in time were left out.
extern const char kUnansweredFilesReason[];

// The names that follow the reason, one a line; "" when there are none.
std::string NotAddedFilesList(const std::vector<std::string>& names);
