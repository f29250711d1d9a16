#include "clsReckoner.h"

#include <array>
#include <optional>
#include <string_view>
#include <vector>

#include "ChordExtensionTable.h"
#include "IntervalFormula.h"
#include "KeySpelling.h"
#include "ScaleTypeTable.h"
#include "SplitText.h"
#include "clsChord.h"
#include "clsChordDictionary.h"
#include "clsScale.h"
#include "clsScaleDictionary.h"
#include "modFunctions.h"

namespace {

constexpr const char* kSelectKey = "Select a key...";
constexpr const char* kSelectExtension = "Select an extension...";
constexpr const char* kSelectScaleType = "Select a scale type...";
constexpr const char* kClickFrets = "Click frets or enter tab...";

constexpr std::array<const char*, 4> kPositionNames = {"Open Chords", "Moveable", "Root 6 Bar Chords",
                                                       "Root 5 Bar Chords"};

constexpr int16_t kLowestNote = 40;
constexpr int16_t kHighestNote = 88;

ReckonerListener& silentListener() {
    static ReckonerListener silent;
    return silent;
}

// Runs `body` and swallows whatever it throws: nothing leaves the engine.
template <class Body>
void guarded(Body&& body) noexcept {
    try {
        body();
    } catch (...) {
    }
}

std::string_view trimBlanks(std::string_view text) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    return text;
}

// A whole decimal number with an optional sign, blanks around it allowed.
std::optional<int> parseWhole(std::string_view text) {
    text = trimBlanks(text);
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty() || text.size() > 6) return std::nullopt;
    int value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return negative ? -value : value;
}

bool fitsByte(int value) { return value >= 0 && value <= 255; }

// The usable notes of a MIDI note list: numbers on the fretboard, in list order.
std::vector<int16_t> fretboardNotes(const std::string& notes) {
    std::vector<int16_t> usable;
    for (const std::string& element : SplitText(notes, "~")) {
        const std::optional<int> note = parseWhole(element);
        if (note && *note >= kLowestNote && *note <= kHighestNote) usable.push_back(static_cast<int16_t>(*note));
    }
    return usable;
}

}  // namespace

clsReckoner::clsReckoner(ReckonerListener* listener) : listener_(listener ? listener : &silentListener()) {}

clsReckoner::~clsReckoner() = default;

void clsReckoner::SetListener(ReckonerListener* listener) { listener_ = listener ? listener : &silentListener(); }

void clsReckoner::SetMode(int32_t Mode) {
    guarded([&] {
        mode_ = Mode;
        Clear();
        AnnounceVariations(0, 0);
        listener_->OnMode(Mode, "");
        UpdateDisplay();
    });
}

void clsReckoner::Clear() {
    ClearKey();
    ClearExtension();
}

void clsReckoner::ClearKey() {
    key_.clear();
    keyCode_ = 0;
    keyScale_.clear();
    chromaticScale_.clear();
}

void clsReckoner::ClearExtension() {
    extName_.clear();
    formula_.clear();
    description_.clear();
    construction_.clear();
}

void clsReckoner::SetKey(const std::string& Key) {
    guarded([&] {
        key_ = Key;
        KeyScales scales = BuildKeyScales(key_);
        keyCode_ = scales.KeyCode;
        chromaticScale_ = std::move(scales.ChromaticScale);
        keyScale_ = std::move(scales.KeyScale);
        UpdateDisplay();
    });
}

void clsReckoner::SetVariation(int16_t Variation) {
    guarded([&] {
        variation_ = Variation;
        // Only a variation the last OnVariation offered: after NoChord or a mode
        // change the holder's old fingerings are not shown again.
        if (Variation < 1 || Variation > announcedCount_) return;
        if (mode_ == 0 && objChord_ && Variation <= objChord_->VariationCount()) {
            listener_->OnChord(objChord_->GetChord(Variation));
        } else if (mode_ == 1 && objScale_ && Variation <= objScale_->VariationCount()) {
            listener_->OnScale(objScale_->GetScale(Variation), description_);
        }
    });
}

void clsReckoner::SetType(int16_t TypeCode) {
    guarded([&] {
        if (mode_ == 0) {
            typeCode_ = TypeCode;
            ShowChord();
        } else if (mode_ == 1) {
            ClearExtension();
            UpdateDisplay();
            listener_->OnScaleType(TypeCode);
        }
    });
}

std::string clsReckoner::GetMapNotes() const {
    if (key_.empty() || extName_.empty()) return "";
    try {
        return GetNotes();
    } catch (...) {
        return "";
    }
}

void clsReckoner::SetExtension(int Ext) { SetExtension(std::to_string(Ext)); }

void clsReckoner::SetExtension(const std::string& Ext) {
    guarded([&] {
        if (Ext.size() < 3) {
            const std::optional<int> code = parseWhole(Ext);
            if (!code) return;  // neither a code nor a scale name
            extCode_ = static_cast<int16_t>(*code);
            if (extCode_ >= 0 && extCode_ < kExtensionCount) {
                const ChordExtension& row = kChordExtensions[static_cast<size_t>(extCode_)];
                formula_ = row.Formula;
                extName_ = row.Name;
            }
        } else {
            extName_ = Ext;
            if (const ScaleType* type = FindScaleType(Ext)) {
                formula_ = type->Formula;
                construction_ = type->Construction;
                description_ = type->Usage;
            }
        }
        UpdateDisplay();
    });
}

std::string clsReckoner::GetNotes() const { return ::GetNotes(formula_, chromaticScale_, mode_ == 1); }

void clsReckoner::AnnounceVariations(int16_t count, int16_t variation) {
    announcedCount_ = count;
    listener_->OnVariation(count, variation);
}

void clsReckoner::UpdateDisplay() {
    if (mode_ != 0 && mode_ != 1) return;
    std::string line3 = key_.empty() ? kSelectKey : "";
    if (line3.empty() && extName_.empty()) line3 = mode_ == 0 ? kSelectExtension : kSelectScaleType;
    if (line3.empty()) line3 = GetNotes();
    listener_->OnDisplay(key_ + " " + extName_, mode_ == 0 ? formula_ : construction_, line3);
    if (mode_ == 0)
        ShowChord();
    else
        ShowScale();
}

void clsReckoner::ShowChord() {
    if (extName_.empty() || key_.empty()) return;
    std::string code;
    if (fitsByte(typeCode_) && fitsByte(keyCode_) && fitsByte(extCode_)) {
        try {
            clsChordDictionary dictionary;
            code = dictionary
                       .ChordCode(static_cast<uint8_t>(typeCode_), static_cast<uint8_t>(keyCode_),
                                  static_cast<uint8_t>(extCode_))
                       .value_or("");
        } catch (...) {
            code.clear();
        }
    }
    // The notice names the position type the user is looking at.
    if (typeCode_ >= 0 && typeCode_ < static_cast<int16_t>(kPositionNames.size()))
        positionName_ = kPositionNames[static_cast<size_t>(typeCode_)];
    else if (positionName_.empty())
        positionName_ = kPositionNames[0];

    if (!code.empty()) {
        auto chord = std::make_unique<clsChord>();
        chord->SetChordCode(code);
        const int16_t count = chord->VariationCount();
        if (count >= 1) {
            objChord_ = std::move(chord);
            variationCount_ = count;
            if (variation_ < 1 || variation_ > variationCount_) variation_ = 1;
            const std::string fingering = objChord_->GetChord(variation_);
            AnnounceVariations(variationCount_, variation_);
            listener_->OnChord(fingering);
            return;
        }
    }
    variation_ = 0;
    variationCount_ = 0;
    AnnounceVariations(0, 0);
    listener_->NoChord("In " + positionName_);
}

void clsReckoner::ShowScale() {
    if (key_.empty() || extName_.empty()) return;
    std::string code;
    try {
        clsScaleDictionary dictionary;
        code = dictionary.ScaleCode(extName_, GetNotes(), variationCount_);
    } catch (...) {
        code.clear();
    }
    objScale_.reset();
    objScale_ = std::make_unique<clsScale>();
    objScale_->SetScaleCode(code);
    variationCount_ = objScale_->VariationCount();
    if (variationCount_ < 1) {
        // No position at all: show one empty position, as for a name the dictionary does not know.
        objScale_->SetScaleCode("||");
        variationCount_ = objScale_->VariationCount();
    }
    if (variation_ < 1 || variation_ > variationCount_) variation_ = 1;
    const std::string position = objScale_->GetScale(variation_);
    AnnounceVariations(variationCount_, variation_);
    listener_->OnScale(position, description_);
}

void clsReckoner::ChordGenerator(const std::string& Notes) {
    guarded([&] {
        listener_->ClearMatches();
        const std::vector<int16_t> notes = fretboardNotes(Notes);
        if (notes.size() < 3) {
            listener_->OnDisplay("", "", kClickFrets);
            return;
        }
        int matchCount = 0;
        for (size_t i = 0; i < notes.size(); ++i) {
            const int16_t root = modFunctions::NoteToKeyCode(notes[i]);
            bool tried = false;
            for (size_t j = 0; j < i && !tried; ++j) tried = modFunctions::NoteToKeyCode(notes[j]) == root;
            if (tried) continue;

            std::vector<std::string> intervals;
            uint16_t pitchClasses = 0;
            for (int16_t note : notes) {
                const int16_t interval = modFunctions::GetInterval(note, root);
                intervals.push_back(std::to_string(interval));
                pitchClasses |= uint16_t(1u << interval);
            }
            std::string list = JoinText(intervals, ",");
            SortIntervals(list);
            const std::string formula = IntervalsToFormula(list);
            const int16_t code = FormulaToExtCode(formula);
            if (code < kNoExtension) {
                AddGeneratedMatch(notes[i], code, formula, matchCount);
            } else {
                // The slot cycle cannot write "6", "bb7" or "#9": name every
                // extension whose notes are exactly the played pitch classes.
                for (int16_t ext = 0; ext < kExtensionCount; ++ext)
                    if (ExtensionPitchClasses(ext) == pitchClasses)
                        AddGeneratedMatch(notes[i], ext, kChordExtensions[static_cast<size_t>(ext)].Formula,
                                          matchCount);
            }

            if (matchCount > 0)
                listener_->OnDisplay(key_ + " " + extName_, formula_, std::to_string(matchCount));
            else
                listener_->OnDisplay("", "", kClickFrets);
        }
    });
}

void clsReckoner::AddGeneratedMatch(int16_t rootNote, int16_t extCode, const std::string& formula,
                                    int& matchCount) {
    // A black key is named by its sharp: the part before the comma.
    const std::string name = modFunctions::GetNoteName(rootNote).value_or("");
    SetKey(name.substr(0, name.find(',')));
    SetExtension(extCode);
    listener_->AddMatch(key_, extName_ + " (" + formula + ")");
    ++matchCount;
}
