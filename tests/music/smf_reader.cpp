#include "tests/music/smf_reader.h"

#include <algorithm>

namespace smf {

namespace {

class Bytes {
public:
    Bytes(const std::vector<uint8_t>& bytes, size_t from, size_t to) : b_(bytes), at_(from), end_(to) {}
    bool AtEnd() const { return at_ >= end_; }
    uint8_t Peek() const {
        if (AtEnd()) throw FormatError("a track runs past its chunk");
        return b_[at_];
    }
    uint8_t Next() {
        uint8_t v = Peek();
        ++at_;
        return v;
    }
    uint8_t Data() {
        uint8_t v = Next();
        if (v & 0x80) throw FormatError("a data byte with its top bit set");
        return v;
    }
    uint32_t VariableLength() {
        uint32_t value = 0;
        for (int i = 0; i < 4; ++i) {
            uint8_t v = Next();
            value = value << 7 | (v & 0x7F);
            if (!(v & 0x80)) return value;
        }
        throw FormatError("a variable-length number longer than four bytes");
    }
    std::vector<uint8_t> Take(size_t count) {
        if (count > end_ - at_) throw FormatError("an event longer than its track");
        std::vector<uint8_t> out(b_.begin() + long(at_), b_.begin() + long(at_ + count));
        at_ += count;
        return out;
    }

private:
    const std::vector<uint8_t>& b_;
    size_t at_, end_;
};

uint32_t BigEndian(const std::vector<uint8_t>& b, size_t at, int count) {
    if (at + size_t(count) > b.size()) throw FormatError("the file ends inside a chunk header");
    uint32_t v = 0;
    for (int i = 0; i < count; ++i) v = v << 8 | b[at + size_t(i)];
    return v;
}

bool ChunkIs(const std::vector<uint8_t>& b, size_t at, const char* type) {
    return at + 4 <= b.size() && std::equal(type, type + 4, b.begin() + long(at));
}

int DataBytes(uint8_t status) {
    int kind = status & 0xF0;
    return kind == 0xC0 || kind == 0xD0 ? 1 : 2;
}

Track ReadTrack(const std::vector<uint8_t>& bytes, size_t from, size_t to) {
    Bytes in(bytes, from, to);
    Track track;
    int64_t tick = 0;
    uint8_t running = 0;
    bool ended = false;
    while (!in.AtEnd()) {
        if (ended) throw FormatError("events after the end-of-track");
        Event e;
        tick += in.VariableLength();
        e.tick = tick;
        uint8_t first = in.Peek();
        if (first & 0x80) {
            e.status = in.Next();
        } else {
            if (!running) throw FormatError("running status with no channel message before it");
            e.status = running;
            e.runningStatus = true;
        }
        if (e.status == 0xFF) {
            e.metaType = in.Next();
            e.data = in.Take(in.VariableLength());
            running = 0;
            ended = e.metaType == 0x2F;
            if (ended && !e.data.empty()) throw FormatError("an end-of-track with data");
        } else if (e.status == 0xF0 || e.status == 0xF7) {
            e.data = in.Take(in.VariableLength());
            running = 0;
        } else if (e.status >= 0xF0) {
            throw FormatError("a system message in a file");
        } else {
            e.data1 = in.Data();
            if (DataBytes(e.status) == 2) e.data2 = in.Data();
            running = e.status;
        }
        track.events.push_back(e);
    }
    if (!ended) throw FormatError("a track without its end-of-track");
    return track;
}

}  // namespace

File Read(const std::vector<uint8_t>& bytes) {
    if (!ChunkIs(bytes, 0, "MThd") || BigEndian(bytes, 4, 4) != 6) throw FormatError("no MThd header of six bytes");
    File file;
    file.format = int(BigEndian(bytes, 8, 2));
    uint32_t tracks = BigEndian(bytes, 10, 2);
    uint32_t division = BigEndian(bytes, 12, 2);
    if (division & 0x8000) throw FormatError("SMPTE time, not ticks a quarter");
    file.ticksPerQuarter = int(division);
    size_t at = 14;
    for (uint32_t i = 0; i < tracks; ++i) {
        if (!ChunkIs(bytes, at, "MTrk")) throw FormatError("track " + std::to_string(i) + " is not an MTrk chunk");
        size_t length = BigEndian(bytes, at + 4, 4);
        if (at + 8 + length > bytes.size()) throw FormatError("track " + std::to_string(i) + " runs past the file");
        file.tracks.push_back(ReadTrack(bytes, at + 8, at + 8 + length));
        at += 8 + length;
    }
    if (at != bytes.size()) throw FormatError("bytes after the last track");
    return file;
}

double SecondsAt(const File& file, int64_t tick) {
    double seconds = 0;
    int64_t from = 0;
    double perTick = 0.5 / file.ticksPerQuarter;
    if (!file.tracks.empty())
        for (const Event& e : file.tracks[0].events) {
            if (!e.Meta(0x51) || e.data.size() != 3 || e.tick >= tick) continue;
            seconds += double(e.tick - from) * perTick;
            from = e.tick;
            perTick = (e.data[0] << 16 | e.data[1] << 8 | e.data[2]) / 1e6 / file.ticksPerQuarter;
        }
    return seconds + double(tick - from) * perTick;
}

int64_t EndTick(const File& file) {
    int64_t end = 0;
    for (const Track& t : file.tracks) end = std::max(end, t.events.back().tick);
    return end;
}

}  // namespace smf
