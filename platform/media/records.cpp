#include "platform/media/records.h"

#include <deque>
#include <mutex>

namespace media {
namespace {

// The most recent records only, so a long session does not grow them without end.
constexpr size_t kKept = 4096;

struct Records {
    std::mutex mutex;
    std::deque<SoundRecord> sounds;
    std::deque<std::string> commands;
    size_t commandsSent = 0;
};

Records& TheRecords() {
    static Records records;
    return records;
}

template <typename T>
void Keep(std::deque<T>& list, T item) {
    list.push_back(std::move(item));
    if (list.size() > kKept) list.pop_front();
}

}  // namespace

void RecordSound(SoundRecord record) {
    std::lock_guard<std::mutex> lock(TheRecords().mutex);
    record.commandsBefore = TheRecords().commandsSent;
    Keep(TheRecords().sounds, std::move(record));
}

void RecordCommand(std::string command) {
    std::lock_guard<std::mutex> lock(TheRecords().mutex);
    TheRecords().commandsSent++;
    Keep(TheRecords().commands, std::move(command));
}

std::vector<SoundRecord> SoundRecords() {
    std::lock_guard<std::mutex> lock(TheRecords().mutex);
    return {TheRecords().sounds.begin(), TheRecords().sounds.end()};
}

std::vector<std::string> CommandRecords() {
    std::lock_guard<std::mutex> lock(TheRecords().mutex);
    return {TheRecords().commands.begin(), TheRecords().commands.end()};
}

void ClearRecords() {
    std::lock_guard<std::mutex> lock(TheRecords().mutex);
    TheRecords().sounds.clear();
    TheRecords().commands.clear();
    TheRecords().commandsSent = 0;
}

}  // namespace media
