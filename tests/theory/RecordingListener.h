#pragma once
// A listener that writes every engine event down as one line, e.g.
// OnDisplay("C Major", "1-3-5", "C-E-G") or OnVariation(2, 1).

#include <functional>
#include <string>
#include <vector>

#include "ReckonerListener.h"

class RecordingListener : public ReckonerListener {
public:
    std::vector<std::string> Events;
    // Runs inside OnMode, as the main window's handler reaches SetType through the position list.
    std::function<void(int32_t)> OnModeHook;

    void ClearMatches() override { Events.push_back("ClearMatches()"); }
    void AddMatch(std::string Key, std::string Detail) override { add("AddMatch", {q(Key), q(Detail)}); }
    void OnDisplay(std::string Line1, std::string Line2, std::string Line3) override {
        add("OnDisplay", {q(Line1), q(Line2), q(Line3)});
    }
    void OnChord(std::string Fingering) override { add("OnChord", {q(Fingering)}); }
    void OnScale(std::string Position, std::string Description) override {
        add("OnScale", {q(Position), q(Description)});
    }
    void OnVariation(int16_t VariationCount, int16_t Variation) override {
        add("OnVariation", {std::to_string(VariationCount), std::to_string(Variation)});
    }
    void NoChord(std::string Text) override { add("NoChord", {q(Text)}); }
    void OnMode(int32_t Mode, std::string Text) override {
        add("OnMode", {std::to_string(Mode), q(Text)});
        if (OnModeHook) OnModeHook(Mode);
    }
    void OnScaleType(int16_t TypeCode) override { add("OnScaleType", {std::to_string(TypeCode)}); }

    static std::string q(const std::string& text) { return "\"" + text + "\""; }

private:
    void add(const char* name, const std::vector<std::string>& args) {
        std::string line = std::string(name) + "(";
        for (size_t i = 0; i < args.size(); ++i) line += (i ? ", " : "") + args[i];
        Events.push_back(line + ")");
    }
};

// The expected lines, written as the listener writes them.
namespace ev {

inline std::string Display(const std::string& l1, const std::string& l2, const std::string& l3) {
    return "OnDisplay(\"" + l1 + "\", \"" + l2 + "\", \"" + l3 + "\")";
}
inline std::string Variation(int count, int variation) {
    return "OnVariation(" + std::to_string(count) + ", " + std::to_string(variation) + ")";
}
inline std::string Chord(const std::string& fingering) { return "OnChord(\"" + fingering + "\")"; }
inline std::string Scale(const std::string& position, const std::string& usage) {
    return "OnScale(\"" + position + "\", \"" + usage + "\")";
}
inline std::string NoChord(const std::string& text) { return "NoChord(\"" + text + "\")"; }
inline std::string Mode(int mode) { return "OnMode(" + std::to_string(mode) + ", \"\")"; }
inline std::string ScaleGroup(int group) { return "OnScaleType(" + std::to_string(group) + ")"; }
inline std::string Match(const std::string& key, const std::string& detail) {
    return "AddMatch(\"" + key + "\", \"" + detail + "\")";
}
inline const std::string kClear = "ClearMatches()";

}  // namespace ev
