// A tune written out as a Standard MIDI File of type 1: a tempo track, then one track a part.
#pragma once

#include <cstdint>
#include <vector>

#include "tools/midi/score.h"

namespace midi {

// Seven bits a byte, high bytes first, the top bit set on all but the last.
void AppendVariableLength(std::vector<uint8_t>& out, uint32_t value);

// Deterministic: note-offs come before note-ons at the same tick, and running status leaves out repeated
// status bytes (a note-off is a note-on of velocity 0, so whole phrases share one).
std::vector<uint8_t> WriteStandardMidiFile(const Song& song);

}  // namespace midi
