#pragma once
// The engine of chords and scales. It holds the mode, key, position type,
// extension or scale type and variation; looks chords and scales up in a fresh
// dictionary for every lookup, keeps only the result, and answers every call
// by raising its events (ReckonerListener) inside that call. It never throws:
// what it swallows (a handler that threw) goes to its fault reporter.
// Handlers may call back into the engine: every event raised after a handler
// has run still describes the engine's state as it then is, and a sequence
// that a handler has overtaken (a new mode, chord or scale announced) stops.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "ReckonerListener.h"

class clsChord;
class clsScale;

class clsReckoner {
public:
    explicit clsReckoner(ReckonerListener* listener = nullptr);
    ~clsReckoner();
    clsReckoner(const clsReckoner&) = delete;
    clsReckoner& operator=(const clsReckoner&) = delete;

    // The receiver of the events; null drops them.
    void SetListener(ReckonerListener* listener);
    // Told, inside the failing call, where (e.g. "clsReckoner::SetKey") and
    // what the engine swallowed; the engine carries on either way. Apart from
    // the listener: a fault is no event, and the listener may be what failed.
    // Empty by default: faults go unreported.
    using FaultReporter = std::function<void(std::string_view where, std::string_view what)>;
    void SetFaultReporter(FaultReporter reporter);

    // One of Modes (0 chord dictionary .. 4 chart manager). Setting it clears
    // key and extension and refreshes.
    int32_t Mode() const { return mode_; }
    void SetMode(int32_t Mode);
    // The chord position type 0..3.
    int16_t TypeCode() const { return typeCode_; }
    // Empties the key and the extension; raises nothing.
    void Clear();

    std::string Key() const { return key_; }
    int16_t KeyCode() const { return keyCode_; }
    std::string KeyScale() const { return keyScale_; }
    std::string ChromaticScale() const { return chromaticScale_; }
    std::string Formula() const { return formula_; }

    void SetKey(const std::string& Key);
    // Shows variation `Variation` of the current chord or scale.
    void SetVariation(int16_t Variation);
    // The position type in chord mode; the scale group in scale mode.
    void SetType(int16_t TypeCode);
    // The note list of the current chord or scale; "" without key or extension.
    std::string GetMapNotes() const;
    // Names every chord the MIDI note list ("40~47~52") forms.
    void ChordGenerator(const std::string& Notes);
    // A text shorter than three characters is an extension code, any other a scale name.
    void SetExtension(const std::string& Ext);
    void SetExtension(int Ext);

private:
    // Runs `body`; whatever it throws is reported under `where` and goes no
    // further. True when `body` ran to its end.
    template <class Body>
    bool Guarded(const char* where, Body&& body) const noexcept;
    void ReportFault(const char* where, std::string_view what) const noexcept;
    void ClearKey();
    void ClearExtension();
    void UpdateDisplay();
    void ShowChord();
    void ShowScale();
    std::string GetNotes() const;
    // Raises OnVariation; gives the number of that announcement.
    uint32_t AnnounceVariations(int16_t count, int16_t variation);
    // No handler has announced anything since `announcement`, and the engine
    // still shows a key and an extension in `mode`.
    bool StillShowing(uint32_t announcement, int32_t mode) const;
    // The variation is one the last OnVariation offered and the holder has.
    bool OfferedVariation(int16_t holderCount) const;
    // False once a handler has started another generator run.
    bool AddGeneratedMatch(int16_t rootNote, int16_t extCode, const std::string& formula, int& matchCount,
                           uint32_t run);

    ReckonerListener* listener_;
    FaultReporter faultReporter_;

    std::string key_;
    int16_t keyCode_ = 0;
    std::string keyScale_;
    std::string chromaticScale_;
    std::string extName_;
    int16_t extCode_ = 0;
    std::string formula_;
    std::string description_;
    std::string construction_;
    std::string positionName_;
    int16_t typeCode_ = 0;
    int16_t variation_ = 0;
    int16_t variationCount_ = 0;
    int32_t mode_ = 0;
    // The count of the last OnVariation: only those variations are shown on request.
    int16_t announcedCount_ = 0;
    uint32_t announcements_ = 0;  // OnVariation events raised so far
    uint32_t generatorRuns_ = 0;
    std::unique_ptr<clsChord> objChord_;
    std::unique_ptr<clsScale> objScale_;
};
