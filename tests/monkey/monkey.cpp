#include "tests/monkey/monkey.h"

#include <signal.h>
#include <stdlib.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <thread>
#include <tuple>
#include <vector>

#include "base/sound.h"
#include "base/state.h"
#include "canvas/cursors.h"
#include "canvas/polygon_tools.h"
#include "canvas/selection.h"
#include "canvas/text.h"
#include "canvas/tools.h"
#include "files/picture_chooser.h"
#include "options/choosers.h"
#include "options/option_strip.h"
#include "platform/testing.h"
#include "tests/monkey/health.h"

namespace monkey {

const std::vector<ScreenSize> kScreens = {{800, 600}, {640, 480}, {1024, 768}};

namespace {

// A life that shows no progress for this long has hung: far beyond the slowest effect on the largest
// screen under the sanitizers.
constexpr int kHangSeconds = 300;
// Events kept for the failure message.
constexpr int kLastEvents = 12;
constexpr int kEventText = 600;
// A long run prints the event it reached this often.
constexpr long kProgressEvery = 100000;
// Saved pictures kept in a life's folder.
constexpr size_t kSavesKept = 8;

// What a life's process shares with the parent, in memory both see: where it got to, what it did last,
// and what it found.
struct Shared {
    std::atomic<long> eventNumber;  // the event being handled, counted over all lives
    long nextEvent;                 // where the next life starts; the run's end when it finished
    char lastEvents[kLastEvents][kEventText];
    char failure[4096];
    long peakKilobytes, heapGrowthBytes;
    long gdiObjects, windows, memoryBlocks;
    bool toolGroupsReached[32];
    bool toolStatesReached[128];
    bool effectsRun[2][13];
};

int RunProgram() { return WinMain(GetModuleHandleA(nullptr), nullptr, const_cast<LPSTR>(""), SW_SHOWNORMAL); }

std::filesystem::path ExecutableFolder() { return std::filesystem::read_symlink("/proc/self/exe").parent_path(); }

// The program's folder for one life: the data files linked in; two supplied pictures (one to colour in)
// and one under a long lower-case name with spaces; what a parent's copying leaves behind: an empty
// file, a broken one, one whose header claims a huge picture, a small run-length picture that claims to
// be a giant, a folder and a pipe named like pictures; and the saves of the life. Removed at the life's
// end.
// A dab.ini of the life's own, with its Quit setting, where the program looks for the user's settings; the
// machine's settings folder is one with none, so the machine's own never count.
class SettingsFolder {
public:
    explicit SettingsFolder(const std::string& quit) {
        std::string pattern = (std::filesystem::temp_directory_path() / "dab-monkey-settings-XXXXXX").string();
        if (mkdtemp(pattern.data())) path_ = pattern;
        std::filesystem::create_directories(path_ / "user" / "dab");
        std::ofstream(path_ / "user" / "dab" / "dab.ini") << "[dab]\nQuit=" << quit << "\n";
        testing::SetKnownFolder(CSIDL_APPDATA, (path_ / "user").string());
        testing::SetKnownFolder(CSIDL_COMMON_APPDATA, (path_ / "machine").string());
    }
    ~SettingsFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }

private:
    std::filesystem::path path_;
};

// 1 KB of a picture in BI_RLE8 whose header claims 16384 x 16384 pixels: a header, two colours, runs of
// 255 pixels, and the end of the picture long before its last row.
void WriteLyingGiant(const std::filesystem::path& path) {
    std::string bytes = "BM";
    auto add = [&bytes](uint32_t value, int size) {
        for (int i = 0; i < size; i++) bytes += char(value >> (8 * i));
    };
    for (uint32_t field : {1024u, 0u, 62u, 40u, 16384u, 16384u}) add(field, 4);
    add(1, 2);
    add(8, 2);
    for (uint32_t field : {uint32_t(BI_RLE8), 962u, 0u, 0u, 2u, 2u, 0u, 0xFFFFFFu}) add(field, 4);
    for (int run = 0; run < 480; run++) add(0xFF | (run % 2) << 8, 2);
    add(0x0100, 2);
    std::ofstream(path, std::ios::binary) << bytes;
}

class ProgramFolder {
public:
    ProgramFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "dab-monkey-XXXXXX").string();
        if (mkdtemp(pattern.data())) path_ = pattern;
        for (const auto& entry : std::filesystem::directory_iterator(ExecutableFolder())) {
            std::string name = entry.path().filename().string();
            if (name.ends_with(".mub") || name.ends_with(".MUB") || name.ends_with(".mid"))
                std::filesystem::create_symlink(entry.path(), path_ / name);
        }
        for (const char* picture : {"CBHOUSE.BMP", "SEA.BMP"})
            std::filesystem::copy_file(ExecutableFolder() / picture, path_ / picture);
        std::filesystem::copy_file(ExecutableFolder() / "CAKE.BMP",
                                   path_ / (std::string(150, 'a') + " a cake to eat.bmp"));
        std::ofstream(path_ / "EMPTY.BMP");
        std::ofstream(path_ / "BROKEN.BMP") << "BM this is no picture at all";
        // A 30000 x 30000 picture of 24 bits a pixel, its header and nothing more.
        const unsigned char huge[54] = {'B', 'M', 54, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0, 40, 0, 0, 0,
                                        0x30, 0x75, 0, 0, 0x30, 0x75, 0, 0, 1, 0, 24, 0};
        std::ofstream(path_ / "HUGE.BMP", std::ios::binary).write(reinterpret_cast<const char*>(huge), sizeof huge);
        WriteLyingGiant(path_ / "GIANT.BMP");
        std::filesystem::create_directory(path_ / "FOLDER.BMP");
        mkfifo((path_ / "PIPE.BMP").c_str(), 0644);
        programDirectory = path_.string();
        std::replace(programDirectory.begin(), programDirectory.end(), '/', '\\');
    }
    ~ProgramFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    // The life's saves beyond a few are taken away, as a parent would, so that a long run keeps its disk.
    void TidySaves() const {
        std::vector<std::filesystem::path> saves;
        for (const auto& entry : std::filesystem::directory_iterator(path_)) {
            std::string name = entry.path().filename().string();
            bool saved = name.size() == 11 && name.ends_with(".BMP") &&
                         std::all_of(name.begin(), name.begin() + 7, [](char c) { return c >= 'A' && c <= 'Z'; });
            if (saved && name != "CBHOUSE.BMP") saves.push_back(entry.path());
        }
        std::sort(saves.begin(), saves.end());
        for (size_t i = kSavesKept; i < saves.size(); i++) std::filesystem::remove(saves[i]);
    }

private:
    std::filesystem::path path_;
};

// The state that decides what the program may hold between events: the same kind of idle moment must
// find the same number of objects.
using IdleKind = std::tuple<int, int, int, int, int, int, int, int, int, int, int>;
IdleKind KindNow() {
    return {CurrentStrip().toolGroup, CurrentToolState(),  TextEntryActive(), TextPlacePending(),
            CurrentSelectionMode(),   PictureChooserShown(), StampCursor() != nullptr, StrokeActive(),
            PolygonVertexCount() > 0,         DeletingPictures(),     TunePlaying() != 0};
}

std::string KindText(const IdleKind& k) {
    std::ostringstream out;
    out << "toolGroup " << std::get<0>(k) << ", toolState " << std::get<1>(k) << ", text " << std::get<2>(k)
        << "/" << std::get<3>(k) << ", selection " << std::get<4>(k) << ", chooser " << std::get<5>(k)
        << ", stamp cursor " << std::get<6>(k) << ", stroke " << std::get<7>(k) << ", polygon " << std::get<8>(k)
        << ", delete mode " << std::get<9>(k) << ", music " << std::get<10>(k);
    return out.str();
}

ProgramView ViewNow() {
    ProgramView v;
    v.screenWidth = screenWidth;
    v.screenHeight = screenHeight;
    v.toolGroup = CurrentStrip().toolGroup;
    v.pictureChooserShown = PictureChooserShown();
    v.textEntryActive = TextEntryActive();
    v.quitAsks = !TextEntryActive() && !TextPlacePending() &&
                 !(CurrentSelectionMode() != kNoSelection && CurrentToolState() == kNoToolState) &&
                 GetCapture() == nullptr;
    return v;
}

// The engine makes a stock object at its first use; made now, they are not counted as new at a later idle
// moment.
void MakeStockObjects() {
    for (int i = WHITE_BRUSH; i <= DEFAULT_GUI_FONT; i++) GetStockObject(i);
    DeleteDC(CreateCompatibleDC(nullptr));
}

// Clicks and drags that make the program and the engine grow every buffer and cache they keep to its
// largest size on this screen: a picture opened over the whole canvas, every effect, every icon, the fill,
// text, every region tool over the whole canvas, a save and a print. The heap is compared after them.
std::vector<Event> WarmUp(int width, int height) {
    const POINT files{21, 422}, effects{21, 254}, brushes{21, 212}, text{21, 338}, regions{21, 296}, undo{21, 464};
    auto option = [](int n) { return n < 7 ? POINT{35 * n + 42, 19} : POINT{35 * n - 168, 55}; };
    const POINT nextPage{291, 55};
    std::vector<Event> events{{kClick, {files}, "", 0}, {kClick, {option(1)}, "", 0}, {kClick, {{201, 176}}, "", 0}};
    for (int n = 1; n <= 12; n++) {
        events.push_back({kClick, {effects}, "", 0});
        events.push_back({kClick, {option(n)}, "", 0});
    }
    // Every option of every brush and stamp page, which loads every icon and stamp cursor once.
    const POINT stamps{21, 380};
    for (POINT pages : {brushes, stamps}) {
        events.push_back({kClick, {pages}, "", 0});
        for (int page = 0; page < (pages.y == brushes.y ? 4 : 8); page++) {
            for (int n = 1; n <= 12; n++) events.push_back({kClick, {option(n)}, "", 0});
            events.push_back({kClick, {nextPage}, "", 0});
        }
    }
    events.push_back({kClick, {brushes}, "", 0});
    events.push_back({kClick, {option(2)}, "", 0});
    events.push_back({kClick, {{300, 300}}, "", 0});
    events.push_back({kClick, {text}, "", 0});
    events.push_back({kClick, {{200, 200}}, "", 0});
    events.push_back({kType, {}, "Warm up", 0});
    events.push_back({kClick, {brushes}, "", 0});
    for (int page = 1; page <= 2; page++) {
        for (int n = 1; n <= 12; n++) {
            events.push_back({kClick, {regions}, "", 0});
            if (page == 2) events.push_back({kClick, {nextPage}, "", 0});
            events.push_back({kClick, {option(n)}, "", 0});
            events.push_back({kDrag, {{54, 76}, {width / 2, height / 2}, {width - 2, height - 2}}, "", 0});
            events.push_back({kClick, {brushes}, "", 0});
        }
    }
    for (int n : {2, 3}) {
        events.push_back({kClick, {files}, "", 0});
        events.push_back({kClick, {option(n)}, "", 0});
    }
    events.push_back({kClick, {undo}, "", 0});
    return events;
}

class Life {
public:
    Life(const Run& run, Shared& shared, int number) : run_(run), shared_(shared), number_(number) {}

    // Runs events from `first` until the run's end or a quit; the failure, or "" when all held.
    std::string Live(long first) {
        const ScreenSize screen = kScreens[(run_.seed + uint64_t(number_)) % kScreens.size()];
        testing::UseScreen(screen.width, screen.height);
        testing::SetClock(1780315200 + number_);
        testing::SetDefaultPrinter("Monkey Printer");
        testing::SetPrinterPage(320, 240, 30);
        SettingsFolder settings(run_.quit);
        MakeStockObjects();
        const size_t objectsBefore = testing::LiveGdiObjects(), blocksBefore = testing::LiveMemoryBlocks();
        testing::StartProgram(RunProgram);
        testing::WaitUntilIdle();
        ProgramFolder folder;
        for (const Event& event : WarmUp(screen.width, screen.height)) {
            std::string failure = Handle(event);
            if (failure.empty()) failure = Check(-1);
            if (!failure.empty()) return "while warming up with " + Describe(event) + ": " + failure;
        }
        long total = run_.replay.empty() ? run_.events : long(run_.replay.size());
        for (long n = first; n < total; n++) {
            shared_.eventNumber = n;
            Event event = run_.replay.empty() ? Generated(n) : run_.replay[size_t(n)];
            Remember(n, event);
            Reach();
            if (std::string failure = Handle(event); !failure.empty()) return failure;
            if (event.kind == kQuitAndRestart && run_.quit == "ask") {
                shared_.nextEvent = n + 1;
                return Ended(objectsBefore, blocksBefore);
            }
            if (std::string failure = Check(n); !failure.empty()) return failure;
            if (n % 20 == 0) folder.TidySaves();
        }
        shared_.nextEvent = total;
        if (run_.quit == "ask") testing::RequestClose();
        else testing::RequestEndSession();
        if (int status = testing::WaitForExit(); status != 0) return "the program ended with " + std::to_string(status);
        return Ended(objectsBefore, blocksBefore);
    }

private:
    Event Generated(long n) const {
        Random random(run_.seed * 0x100000001B3ull + uint64_t(n));
        return NextEvent(random, ViewNow());
    }

    void Remember(long n, const Event& event) {
        std::snprintf(shared_.lastEvents[n % kLastEvents], kEventText, "%ld: %s", n, Describe(event).c_str());
    }

    void Reach() {
        const int group = CurrentStrip().toolGroup, state = CurrentToolState();
        if (group >= 0 && group < 32) shared_.toolGroupsReached[group] = true;
        if (state >= 0 && state < 128) shared_.toolStatesReached[state] = true;
    }

    // Makes sure a box the event raises has its answer, hands the event over and waits for the program.
    std::string Handle(const Event& event) {
        answersQueued_ -= long(testing::MessageBoxesShown().size());
        if (answersQueued_ < 0) return "more boxes than answers";
        // One answer that keeps the program waits for whichever box comes: the quit question takes No,
        // the saved picture's box needs no answer of its own.
        if (answersQueued_ == 0) {
            testing::AnswerMessageBox(IDNO);
            answersQueued_ = 1;
        }
        int group = CurrentStrip().toolGroup;
        if (event.kind == kQuitAndRestart && run_.quit != "ask") return TryToLeave(event);
        Inject(event);
        if (event.kind == kQuitAndRestart) {
            testing::WaitUntilIdle();
            if (testing::MessageBoxesShown() != std::vector<std::string>{"Question: Do you really want to quit?"})
                return "the quit picture did not ask the quit question";
            testing::AnswerMessageBox(IDYES);
            Inject(event);
            if (int status = testing::WaitForExit(); status != 0)
                return "the program ended with " + std::to_string(status) + " after Yes to the quit question";
            return "";
        }
        testing::WaitUntilIdle();
        if (event.kind == kClick) NoteEffect(group, event.points[0]);
        testing::ClearMediaRecords();
        testing::ClearPrintJobs();
        return "";
    }

    // Under Quit=hold or never: the quit picture clicked, then held for the hold's three seconds, then the
    // window closed. Only a held press may ask the question, which keeps the program; nothing ends it.
    std::string TryToLeave(const Event& event) {
        Inject(event);
        testing::WaitUntilIdle();
        POINT quit = event.points[0];
        testing::Press(quit.x, quit.y);
        testing::PassTime(3000);
        testing::Release(quit.x, quit.y);
        testing::RequestClose();
        testing::WaitUntilIdle();
        std::vector<std::string> asked = testing::MessageBoxesShown();
        answersQueued_ -= long(asked.size());
        size_t expected = run_.quit == "hold" ? 1 : 0;
        if (asked.size() != expected || (expected && asked[0] != "Question: Do you really want to quit?"))
            return "Quit=" + run_.quit + ": the quit picture and a window close showed " + std::to_string(asked.size()) +
                   " boxes, not " + std::to_string(expected);
        if (!IsWindow(frameWindow)) return "Quit=" + run_.quit + ": the program ended";
        return "";
    }

    // An option button pressed on an effects page runs that page's effect.
    void NoteEffect(int group, POINT screen) {
        int x = screen.x - 1, y = screen.y - 1;
        if ((group != 15 && group != 16) || x <= 55 || x >= 265 || y < 2 || y >= 72) return;
        shared_.effectsRun[group - 15][(x - 55) / 35 + (y < 36 ? 1 : 7)] = true;
    }

    std::string Check(long n) {
        Health now = MeasureHealth();
        IdleKind kind = KindNow();
        auto [seen, first] = counts_.emplace(kind, now);
        if (!first && (now.gdiObjects != seen->second.gdiObjects || now.windows != seen->second.windows ||
                       now.memoryBlocks != seen->second.memoryBlocks || now.openFiles != seen->second.openFiles)) {
            std::ostringstream out;
            out << "at an idle moment of the same kind as before (" << KindText(kind) << ") the program holds "
                << Counts(now) << ", not " << Counts(seen->second) << " as then";
            return out.str();
        }
        shared_.gdiObjects = long(now.gdiObjects);
        shared_.windows = long(now.windows);
        shared_.memoryBlocks = long(now.memoryBlocks);
        // The heap is compared at moments that hold nothing the child may leave for a while: a selection,
        // the picture chooser, text being typed.
        bool plain = CurrentSelectionMode() == kNoSelection && !PictureChooserShown() && !TextEntryActive() &&
                     !StrokeActive();
        if (n >= 0 && n % kHeapSampleEvery == 0 && plain) heap_.Add(now.heapBytes);
        shared_.peakKilobytes = std::max(shared_.peakKilobytes, now.peakKilobytes);
        return "";
    }

    // The program has ended: everything it made is released, and its heap showed no growth.
    std::string Ended(size_t objectsBefore, size_t blocksBefore) {
        shared_.heapGrowthBytes = std::max(shared_.heapGrowthBytes, heap_.Growth());
        if (heap_.Growth() > heap_.Allowed())
            return "the live heap grew by " + std::to_string(heap_.Growth()) + " bytes over the life, more than " +
                   std::to_string(heap_.Allowed());
        if (testing::LiveGdiObjects() != objectsBefore)
            return "the ended program left " + std::to_string(testing::LiveGdiObjects() - objectsBefore) +
                   " graphics objects behind";
        if (testing::LiveMemoryBlocks() != blocksBefore)
            return "the ended program left " + std::to_string(testing::LiveMemoryBlocks() - blocksBefore) +
                   " memory blocks behind";
        return "";
    }

    const Run& run_;
    Shared& shared_;
    int number_;
    long answersQueued_ = 0;
    std::map<IdleKind, Health> counts_;
    HeapTrend heap_;
};

// The parent's side: a life's process is watched until it ends; one that stops moving is killed.
std::string WatchLife(pid_t child, Shared& shared) {
    long lastSeen = -1;
    auto lastMove = std::chrono::steady_clock::now();
    for (;;) {
        int status = 0;
        pid_t done = waitpid(child, &status, WNOHANG);
        if (done == child) {
            if (WIFSIGNALED(status)) return "the program's process ended by signal " + std::to_string(WTERMSIG(status));
            if (WEXITSTATUS(status) != 0) return shared.failure[0] ? shared.failure : "the program's process failed";
            return "";
        }
        long now = shared.eventNumber;
        // A long run tells how far it got.
        if (now / kProgressEvery != lastSeen / kProgressEvery && lastSeen >= 0) {
            std::printf("event %ld\n", now);
            std::fflush(stdout);
        }
        if (now != lastSeen) {
            lastSeen = now;
            lastMove = std::chrono::steady_clock::now();
        } else if (std::chrono::steady_clock::now() - lastMove > std::chrono::seconds(kHangSeconds)) {
            kill(child, SIGKILL);
            waitpid(child, &status, 0);
            return "the program gave no answer for " + std::to_string(kHangSeconds) + " seconds";
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
}

std::string Replayable(const Run& run, const Shared& shared, const std::string& failure) {
    std::ostringstream out;
    long n = shared.eventNumber;
    out << failure << "\nseed " << run.seed << ", event " << n << " (DAB_MONKEY_SEED=" << run.seed
        << " DAB_MONKEY_EVENTS=" << n + 1 << " replays it); the last events:\n";
    for (long i = std::max(0L, n - kLastEvents + 1); i <= n; i++) out << "    " << shared.lastEvents[i % kLastEvents] << ",\n";
    return out.str();
}

}  // namespace

Outcome RunMonkey(const Run& run) {
    void* memory = mmap(nullptr, sizeof(Shared), PROT_READ | PROT_WRITE, MAP_SHARED | MAP_ANONYMOUS, -1, 0);
    Outcome outcome;
    if (memory == MAP_FAILED) {
        outcome.failure = "no shared memory for the monkey";
        return outcome;
    }
    Shared& shared = *new (memory) Shared{};
    auto start = std::chrono::steady_clock::now();
    long total = run.replay.empty() ? run.events : long(run.replay.size());
    long next = 0;
    while (next < total && outcome.failure.empty()) {
        shared.failure[0] = 0;
        std::fflush(nullptr);
        pid_t child = fork();
        if (child < 0) {
            outcome.failure = "fork failed";
            break;
        }
        if (child == 0) {
            std::string failure = Life(run, shared, outcome.lives).Live(next);
            std::snprintf(shared.failure, sizeof shared.failure, "%s", failure.c_str());
            FinishProcess();
            std::fflush(nullptr);
            _exit(failure.empty() ? 0 : 1);
        }
        std::string failure = WatchLife(child, shared);
        if (!failure.empty()) outcome.failure = Replayable(run, shared, failure);
        next = shared.nextEvent;
        outcome.lives++;
    }
    outcome.eventsRun = outcome.failure.empty() ? total : long(shared.eventNumber) + 1;
    outcome.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    outcome.peakKilobytes = shared.peakKilobytes;
    outcome.heapGrowthBytes = shared.heapGrowthBytes;
    outcome.gdiObjects = shared.gdiObjects;
    outcome.windows = shared.windows;
    outcome.memoryBlocks = shared.memoryBlocks;
    for (int g = 0; g < 32; g++)
        if (shared.toolGroupsReached[g]) outcome.toolGroupsReached.push_back(g);
    for (int s = 0; s < 128; s++)
        if (shared.toolStatesReached[s]) outcome.toolStatesReached.push_back(s);
    for (int page = 0; page < 2; page++)
        for (int n = 1; n <= 12; n++)
            if (shared.effectsRun[page][n]) outcome.effectsRun.push_back(std::to_string(page + 1) + "." + std::to_string(n));
    munmap(memory, sizeof(Shared));
    return outcome;
}

}  // namespace monkey
