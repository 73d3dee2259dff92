// The words of a note list: pitch names, drum names, durations and keys.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace midi {

// "C4" is middle C (60), "A4" 69; any number of '#' or 'b' after the letter. Nothing outside 0 to 127.
std::optional<int> PitchNumber(std::string_view name);

// The General MIDI percussion sounds by short name ("triangle", "shaker", "hiblock", ...).
std::optional<int> DrumNumber(std::string_view name);

// "q", "e.", "e3" (a third of a quarter), "h~e" (tied), "bar" (one bar of barTicks); w h q e s t from the
// whole note down to the thirty-second.
std::optional<int64_t> DurationTicks(std::string_view text, int64_t barTicks);

// Sharps (positive) or flats (negative) of a key signature: "G" major has 1, "D" minor -1.
std::optional<int> KeySharps(std::string_view tonic, bool minor);

}  // namespace midi
