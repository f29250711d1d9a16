#pragma once
// Splitting and joining the text codes ("|", "||", "-", ",", "~").
// Splitting "" gives no elements; anything else gives one more element than
// it holds separators, empty elements included.

#include <string>
#include <string_view>
#include <vector>

std::vector<std::string> SplitText(std::string_view text, std::string_view separator);
std::string JoinText(const std::vector<std::string>& parts, std::string_view separator);
