#pragma once
// The events of clsReckoner. The engine raises them synchronously, inside the
// call that caused them; every argument is passed by value, so a handler may
// call back into the engine. Handlers left alone do nothing.

#include <cstdint>
#include <string>

class ReckonerListener {
public:
    virtual ~ReckonerListener() = default;

    virtual void ClearMatches() {}
    virtual void AddMatch(std::string /*Key*/, std::string /*Detail*/) {}
    virtual void OnDisplay(std::string /*Line1*/, std::string /*Line2*/, std::string /*Line3*/) {}
    virtual void OnChord(std::string /*Fingering*/) {}
    virtual void OnScale(std::string /*Position*/, std::string /*Description*/) {}
    virtual void OnVariation(int16_t /*VariationCount*/, int16_t /*Variation*/) {}
    virtual void NoChord(std::string /*Text*/) {}
    virtual void OnMode(int32_t /*Mode*/, std::string /*Text*/) {}
    virtual void OnScaleType(int16_t /*TypeCode*/) {}
};
