#pragma once
// The chord generator's naming of an interval set: intervals above a root
// ("0,4,7,10") sorted and turned into a formula ("1-3-5-b7") by a fixed cycle
// of degree slots.

#include <string>

// Sorts the comma list numerically and drops repeats; "" when fewer than two
// distinct values remain.
void SortIntervals(std::string& list);

// The formula of a sorted interval list that starts at "0"; "" for any other
// list, and for one holding a value that no slot takes.
std::string IntervalsToFormula(const std::string& list);
