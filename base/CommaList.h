// The format profile's comma lists: every item is followed by a comma, the
// text after the last comma is no item, and an empty first item ends the
// list at once ("a,b," holds a and b; "a,b" holds only a).
#pragma once
#include <string>
#include <vector>

std::vector<std::string> SplitCommaList(const std::string& text);
bool CommaListHas(const std::string& text, const std::string& item);
