#include "tools/midi/smf.h"

#include <algorithm>
#include <bit>
#include <string>

namespace midi {

namespace {

// Order at one tick: names first, then note-offs, settings, note-ons, and the end last.
enum Rank { Name, NoteOff, Setting, NoteOn, End };

struct Event {
    int64_t tick = 0;
    Rank rank = Setting;
    std::vector<uint8_t> bytes;  // a channel message, or FF type length data
};

Event Meta(int64_t tick, Rank rank, uint8_t type, const std::vector<uint8_t>& data) {
    Event e{tick, rank, {0xFF, type}};
    AppendVariableLength(e.bytes, uint32_t(data.size()));
    e.bytes.insert(e.bytes.end(), data.begin(), data.end());
    return e;
}

Event TrackName(const std::string& name) { return Meta(0, Name, 0x03, std::vector<uint8_t>(name.begin(), name.end())); }

void AppendBigEndian(std::vector<uint8_t>& out, uint32_t value, int bytes) {
    for (int shift = (bytes - 1) * 8; shift >= 0; shift -= 8) out.push_back(uint8_t(value >> shift));
}

std::vector<uint8_t> Chunk(const char* type, const std::vector<uint8_t>& body) {
    std::vector<uint8_t> out(type, type + 4);
    AppendBigEndian(out, uint32_t(body.size()), 4);
    out.insert(out.end(), body.begin(), body.end());
    return out;
}

std::vector<uint8_t> TrackChunk(std::vector<Event> events) {
    std::stable_sort(events.begin(), events.end(), [](const Event& a, const Event& b) {
        return a.tick != b.tick ? a.tick < b.tick : a.rank < b.rank;
    });
    std::vector<uint8_t> body;
    int64_t now = 0;
    uint8_t runningStatus = 0;
    for (const Event& e : events) {
        AppendVariableLength(body, uint32_t(e.tick - now));
        now = e.tick;
        uint8_t status = e.bytes[0];
        bool channelMessage = status < 0xF0;
        size_t from = channelMessage && status == runningStatus ? 1 : 0;
        body.insert(body.end(), e.bytes.begin() + long(from), e.bytes.end());
        // Meta events end running status.
        runningStatus = channelMessage ? status : 0;
    }
    return Chunk("MTrk", body);
}

std::vector<Event> TempoTrack(const Song& song) {
    std::vector<Event> events = {TrackName(song.title)};
    uint8_t denominatorPower = uint8_t(std::countr_zero(unsigned(song.meterDenominator)));
    bool compound = song.meterDenominator == 8 && song.meterNumerator % 3 == 0 && song.meterNumerator > 3;
    uint8_t clocksPerClick = uint8_t(96 / song.meterDenominator * (compound ? 3 : 1));
    events.push_back(Meta(0, Setting, 0x58, {uint8_t(song.meterNumerator), denominatorPower, clocksPerClick, 8}));
    events.push_back(Meta(0, Setting, 0x59, {uint8_t(int8_t(song.keySharps)), uint8_t(song.minor ? 1 : 0)}));
    for (const TempoChange& t : song.tempi) {
        std::vector<uint8_t> data;
        AppendBigEndian(data, t.microsecondsPerQuarter, 3);
        events.push_back(Meta(t.tick, Setting, 0x51, data));
    }
    return events;
}

std::vector<Event> PartTrack(const Track& track) {
    uint8_t channel = uint8_t(track.channel);
    std::vector<Event> events = {TrackName(track.name)};
    auto controller = [&](uint8_t number, int value) {
        events.push_back({0, Setting, {uint8_t(0xB0 | channel), number, uint8_t(value)}});
    };
    if (track.program >= 0) events.push_back({0, Setting, {uint8_t(0xC0 | channel), uint8_t(track.program)}});
    controller(7, track.volume);
    controller(10, track.pan);
    controller(91, track.reverb);
    controller(93, track.chorus);
    for (const Note& n : track.notes) {
        uint8_t noteOn = uint8_t(0x90 | channel);
        events.push_back({n.start, NoteOn, {noteOn, uint8_t(n.pitch), uint8_t(n.velocity)}});
        events.push_back({n.start + n.length, NoteOff, {noteOn, uint8_t(n.pitch), 0}});
    }
    return events;
}

}  // namespace

void AppendVariableLength(std::vector<uint8_t>& out, uint32_t value) {
    uint8_t groups[5];
    int count = 0;
    do {
        groups[count++] = uint8_t(value & 0x7F);
        value >>= 7;
    } while (value);
    while (count > 1) out.push_back(uint8_t(groups[--count] | 0x80));
    out.push_back(groups[0]);
}

std::vector<uint8_t> WriteStandardMidiFile(const Song& song) {
    std::vector<std::vector<Event>> tracks = {TempoTrack(song)};
    for (const Track& t : song.tracks) tracks.push_back(PartTrack(t));

    std::vector<uint8_t> header;
    AppendBigEndian(header, 1, 2);
    AppendBigEndian(header, uint32_t(tracks.size()), 2);
    AppendBigEndian(header, kTicksPerQuarter, 2);
    std::vector<uint8_t> file = Chunk("MThd", header);
    for (std::vector<Event>& events : tracks) {
        events.push_back(Meta(song.Length(), End, 0x2F, {}));
        std::vector<uint8_t> chunk = TrackChunk(std::move(events));
        file.insert(file.end(), chunk.begin(), chunk.end());
    }
    return file;
}

}  // namespace midi
