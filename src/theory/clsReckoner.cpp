#include "clsReckoner.h"

#include <exception>
#include <optional>
#include <string_view>
#include <vector>

#include "ChordExtensionTable.h"
#include "IntervalFormula.h"
#include "KeySpelling.h"
#include "Modes.h"
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

constexpr int16_t kLowestNote = 40;
constexpr int16_t kHighestNote = 88;

ReckonerListener& silentListener() {
    static ReckonerListener silent;
    return silent;
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

void clsReckoner::SetFaultReporter(FaultReporter reporter) { faultReporter_ = std::move(reporter); }

// Nothing leaves the engine: whatever can throw (a handler, a dictionary) runs in here.
template <class Body>
bool clsReckoner::Guarded(const char* where, Body&& body) const noexcept {
    try {
        body();
        return true;
    } catch (const std::exception& e) {
        ReportFault(where, e.what());
    } catch (...) {
        ReportFault(where, "unknown exception");
    }
    return false;
}

void clsReckoner::ReportFault(const char* where, std::string_view what) const noexcept {
    if (!faultReporter_) return;
    try {
        faultReporter_(where, what);
    } catch (...) {
        // A reporter that fails loses its report, never the engine's promise.
    }
}

void clsReckoner::SetMode(int32_t Mode) {
    Guarded("clsReckoner::SetMode", [&] {
        mode_ = Mode;
        Clear();
        AnnounceVariations(0, 0);
        // A handler that switched to another mode has announced that one in full.
        if (mode_ != Mode) return;
        listener_->OnMode(Mode, "");
        if (mode_ != Mode) return;
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
    Guarded("clsReckoner::SetKey", [&] {
        key_ = Key;
        KeyScales scales = BuildKeyScales(key_);
        keyCode_ = scales.KeyCode;
        chromaticScale_ = std::move(scales.ChromaticScale);
        keyScale_ = std::move(scales.KeyScale);
        UpdateDisplay();
    });
}

void clsReckoner::SetVariation(int16_t Variation) {
    Guarded("clsReckoner::SetVariation", [&] {
        variation_ = Variation;
        // Only a variation the last OnVariation offered: after NoChord or a mode
        // change the holder's old fingerings are not shown again.
        if (Variation < 1 || Variation > announcedCount_) return;
        if (mode_ == Modes::kChordDictionary && objChord_ && Variation <= objChord_->VariationCount()) {
            listener_->OnChord(objChord_->GetChord(Variation));
        } else if (mode_ == Modes::kScaleDictionary && objScale_ && Variation <= objScale_->VariationCount()) {
            listener_->OnScale(objScale_->GetScale(Variation), description_);
        }
    });
}

void clsReckoner::SetType(int16_t TypeCode) {
    Guarded("clsReckoner::SetType", [&] {
        if (mode_ == Modes::kChordDictionary) {
            typeCode_ = TypeCode;
            ShowChord();
        } else if (mode_ == Modes::kScaleDictionary) {
            ClearExtension();
            UpdateDisplay();
            // The group is relayed only while a handler has left the engine in scale mode.
            if (mode_ == Modes::kScaleDictionary) listener_->OnScaleType(TypeCode);
        }
    });
}

std::string clsReckoner::GetMapNotes() const {
    if (key_.empty() || extName_.empty()) return "";
    std::string notes;
    Guarded("clsReckoner::GetMapNotes", [&] { notes = GetNotes(); });
    return notes;
}

void clsReckoner::SetExtension(int Ext) { SetExtension(std::to_string(Ext)); }

void clsReckoner::SetExtension(const std::string& Ext) {
    Guarded("clsReckoner::SetExtension", [&] {
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

std::string clsReckoner::GetNotes() const {
    return ::GetNotes(formula_, chromaticScale_, mode_ == Modes::kScaleDictionary);
}

uint32_t clsReckoner::AnnounceVariations(int16_t count, int16_t variation) {
    announcedCount_ = count;
    const uint32_t announcement = ++announcements_;
    listener_->OnVariation(count, variation);
    return announcement;
}

bool clsReckoner::StillShowing(uint32_t announcement, int32_t mode) const {
    return announcements_ == announcement && mode_ == mode && !key_.empty() && !extName_.empty();
}

bool clsReckoner::OfferedVariation(int16_t holderCount) const {
    return variation_ >= 1 && variation_ <= announcedCount_ && variation_ <= holderCount;
}

void clsReckoner::UpdateDisplay() {
    const int32_t mode = mode_;
    if (mode != Modes::kChordDictionary && mode != Modes::kScaleDictionary) return;
    const bool chords = mode == Modes::kChordDictionary;
    std::string line3 = key_.empty() ? kSelectKey : "";
    if (line3.empty() && extName_.empty()) line3 = chords ? kSelectExtension : kSelectScaleType;
    if (line3.empty()) line3 = GetNotes();
    listener_->OnDisplay(key_ + " " + extName_, chords ? formula_ : construction_, line3);
    // A handler that switched the mode has shown that mode's state itself.
    if (mode_ != mode) return;
    if (chords)
        ShowChord();
    else
        ShowScale();
}

void clsReckoner::ShowChord() {
    if (extName_.empty() || key_.empty()) return;
    std::string code;
    if (fitsByte(typeCode_) && fitsByte(keyCode_) && fitsByte(extCode_)) {
        const bool looked = Guarded("clsReckoner::ShowChord", [&] {
            clsChordDictionary dictionary;
            code = dictionary
                       .ChordCode(static_cast<uint8_t>(typeCode_), static_cast<uint8_t>(keyCode_),
                                  static_cast<uint8_t>(extCode_))
                       .value_or("");
        });
        if (!looked) code.clear();
    }
    // The notice names the position type the user is looking at.
    if (typeCode_ >= 0 && typeCode_ < static_cast<int16_t>(kPositionTypeNames.size()))
        positionName_ = kPositionTypeNames[static_cast<size_t>(typeCode_)];
    else if (positionName_.empty())
        positionName_ = kPositionTypeNames[0];

    if (!code.empty()) {
        auto chord = std::make_unique<clsChord>();
        chord->SetChordCode(code);
        const int16_t count = chord->VariationCount();
        if (count >= 1) {
            objChord_ = std::move(chord);
            variationCount_ = count;
            if (variation_ < 1 || variation_ > variationCount_) variation_ = 1;
            const uint32_t announcement = AnnounceVariations(variationCount_, variation_);
            // A handler may have called back: the fingering is read as things now
            // stand, and only while the chord just announced is still the one shown.
            if (StillShowing(announcement, Modes::kChordDictionary) && objChord_ &&
                OfferedVariation(objChord_->VariationCount()))
                listener_->OnChord(objChord_->GetChord(variation_));
            return;
        }
    }
    variation_ = 0;
    variationCount_ = 0;
    const uint32_t announcement = AnnounceVariations(0, 0);
    if (StillShowing(announcement, Modes::kChordDictionary)) listener_->NoChord("In " + positionName_);
}

void clsReckoner::ShowScale() {
    if (key_.empty() || extName_.empty()) return;
    std::string code;
    const bool looked = Guarded("clsReckoner::ShowScale", [&] {
        clsScaleDictionary dictionary;
        code = dictionary.ScaleCode(extName_, GetNotes(), variationCount_);
    });
    if (!looked) code.clear();
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
    const uint32_t announcement = AnnounceVariations(variationCount_, variation_);
    // As for chords: only the position of the scale still shown, read after the handler.
    if (StillShowing(announcement, Modes::kScaleDictionary) && objScale_ &&
        OfferedVariation(objScale_->VariationCount()))
        listener_->OnScale(objScale_->GetScale(variation_), description_);
}

void clsReckoner::ChordGenerator(const std::string& Notes) {
    Guarded("clsReckoner::ChordGenerator", [&] {
        // A handler that starts the generator again ends this run: its list replaces ours.
        const uint32_t run = ++generatorRuns_;
        listener_->ClearMatches();
        if (generatorRuns_ != run) return;
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
                if (!AddGeneratedMatch(notes[i], code, formula, matchCount, run)) return;
            } else {
                // The slot cycle cannot write "6", "bb7" or "#9": name every
                // extension whose notes are exactly the played pitch classes.
                for (int16_t ext = 0; ext < kExtensionCount; ++ext)
                    if (ExtensionPitchClasses(ext) == pitchClasses &&
                        !AddGeneratedMatch(notes[i], ext, kChordExtensions[static_cast<size_t>(ext)].Formula,
                                           matchCount, run))
                        return;
            }

            if (matchCount > 0)
                listener_->OnDisplay(key_ + " " + extName_, formula_, std::to_string(matchCount));
            else
                listener_->OnDisplay("", "", kClickFrets);
            if (generatorRuns_ != run) return;
        }
    });
}

bool clsReckoner::AddGeneratedMatch(int16_t rootNote, int16_t extCode, const std::string& formula,
                                    int& matchCount, uint32_t run) {
    // A black key is named by its sharp: the part before the comma.
    const std::string fullName = modFunctions::GetNoteName(rootNote).value_or("");
    const std::string name = fullName.substr(0, fullName.find(','));
    const char* extName = kChordExtensions[static_cast<size_t>(extCode)].Name;
    SetKey(name);
    SetExtension(extCode);
    if (generatorRuns_ != run) return false;
    // The match is named from what was found, whatever a handler did to the engine meanwhile.
    listener_->AddMatch(name, std::string(extName) + " (" + formula + ")");
    ++matchCount;
    return generatorRuns_ == run;
}
