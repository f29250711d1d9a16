#include "IntervalFormula.h"

#include <array>
#include <vector>

#include "SplitText.h"

namespace {

// The leading decimal digits of an element; 0 when there are none.
int numericValue(const std::string& text) {
    size_t i = 0;
    while (i < text.size() && text[i] == ' ') ++i;
    bool negative = i < text.size() && text[i] == '-';
    if (negative) ++i;
    int value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9' && value < 100000; ++i)
        value = value * 10 + (text[i] - '0');
    return negative ? -value : value;
}

enum class Slot { Third, Fifth, Seventh, Ninth, Eleventh, Thirteenth };
constexpr std::array<Slot, 6> kSlots = {Slot::Third, Slot::Fifth, Slot::Seventh,
                                        Slot::Ninth, Slot::Eleventh, Slot::Thirteenth};

}  // namespace

void SortIntervals(std::string& list) {
    std::vector<std::string> items = SplitText(list, ",");
    std::vector<int> values;
    for (const std::string& item : items) values.push_back(numericValue(item));
    for (size_t i = items.size(); i-- > 0;) {
        for (size_t j = 1; j <= i; ++j) {
            if (values[j - 1] > values[j]) {
                std::swap(values[j - 1], values[j]);
                std::swap(items[j - 1], items[j]);
            }
        }
    }
    std::vector<std::string> kept;
    for (size_t i = 0; i < items.size(); ++i)
        if (i == 0 || items[i] != items[i - 1]) kept.push_back(items[i]);
    std::string sorted = JoinText(kept, ",");
    list = sorted.find(',') == std::string::npos ? std::string() : sorted;
}

std::string IntervalsToFormula(const std::string& list) {
    const std::vector<std::string> items = SplitText(list, ",");
    if (items.empty() || items[0] != "0") return "";
    std::string lower = "1";
    std::string upper;
    bool seventh = false;
    size_t position = 1;
    size_t idleSlots = 0;  // slots run since an element was last taken
    while (position < items.size()) {
        for (Slot slot : kSlots) {
            if (position >= items.size()) break;
            const int value = numericValue(items[position]);
            const char* token = nullptr;
            bool toUpper = false;
            switch (slot) {
                case Slot::Third:
                    token = value == 3 ? "-b3" : value == 4 ? "-3" : value == 5 ? "-4" : nullptr;
                    break;
                case Slot::Fifth:
                    token = value == 6 ? "-b5" : value == 7 ? "-5" : value == 8 ? "-#5" : nullptr;
                    break;
                case Slot::Seventh:
                    if (value == 9) {
                        token = "-13";
                        toUpper = true;
                    } else if (value == 10 || value == 11) {
                        token = value == 10 ? "-b7" : "-7";
                        seventh = true;
                    }
                    break;
                case Slot::Ninth:
                    token = value == 1 ? "-b9" : value == 2 ? "-9" : nullptr;
                    toUpper = true;
                    break;
                case Slot::Eleventh:
                    token = value == 5 ? "-11" : value == 6 ? "-#11" : nullptr;
                    toUpper = true;
                    break;
                case Slot::Thirteenth:
                    token = value == 9 && seventh ? "-13" : nullptr;
                    toUpper = true;
                    break;
            }
            if (token) {
                (toUpper ? upper : lower) += token;
                ++position;
                idleSlots = 0;
            } else if (++idleSlots >= kSlots.size()) {
                return "";  // a value no slot takes would cycle for ever
            }
        }
    }
    return lower + upper;
}
