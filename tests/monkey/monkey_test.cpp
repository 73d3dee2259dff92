// The monkey run from ctest: a seeded run long enough to reach every page, tool and effect, and the
// event sequences that once broke the program, replayed.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "base/frame_layout.h"
#include "tests/monkey/monkey.h"

using namespace monkey;

namespace {

long FromEnvironment(const char* name, long otherwise) {
    const char* value = std::getenv(name);
    return value && *value ? std::strtol(value, nullptr, 10) : otherwise;
}

std::string Joined(const std::vector<int>& numbers) {
    std::string text;
    for (int n : numbers) text += (text.empty() ? "" : " ") + std::to_string(n);
    return text;
}

TEST(Monkey, SeededRun) {
    monkey::Run run;
    run.seed = uint64_t(FromEnvironment("DAB_MONKEY_SEED", 20260601));
    run.events = FromEnvironment("DAB_MONKEY_EVENTS", 8000);
    Outcome o = RunMonkey(run);
    std::printf("seed %llu: %ld events in %d lives, %.1f s (%.0f events a second); peak memory %ld kB, "
                "largest heap growth in a life %ld bytes; at the end %ld graphics objects, %ld windows, "
                "%ld memory blocks\ntool groups reached: %s\ntool states reached: %s\neffects run: %zu\n",
                static_cast<unsigned long long>(run.seed), o.eventsRun, o.lives, o.seconds, o.eventsRun / o.seconds,
                o.peakKilobytes, o.heapGrowthBytes, o.gdiObjects, o.windows, o.memoryBlocks,
                Joined(o.toolGroupsReached).c_str(), Joined(o.toolStatesReached).c_str(), o.effectsRun.size());
    ASSERT_TRUE(o.failure.empty()) << o.failure;
    if (run.events >= 4000) {
        // Every page the frame leads to: brushes 1 to 4, stamps 5 to 12, files 13, effects 15 and 16, region
        // tools 17 and 18.
        for (int group : {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 15, 16, 17, 18})
            EXPECT_NE(std::find(o.toolGroupsReached.begin(), o.toolGroupsReached.end(), group), o.toolGroupsReached.end())
                << "page " << group << " was never shown";
        // Every effect of the first effects page runs, and some of the second's, which its arrows reach.
        for (int n = 1; n <= 12; n++)
            EXPECT_NE(std::find(o.effectsRun.begin(), o.effectsRun.end(), "1." + std::to_string(n)), o.effectsRun.end())
                << "effect " << n << " of the first page never ran";
        EXPECT_GT(o.effectsRun.size(), 12u) << "no effect of the second effects page ran";
        EXPECT_GE(o.lives, 2) << "the program quit through its question and started again";
    }
}

// Under Quit=hold and Quit=never the quit picture, held or not, and window closes never end the program:
// one life from the first event to the end of the session.
TEST(Monkey, QuitHoldAndNeverKeepTheProgram) {
    for (const char* quit : {"hold", "never"}) {
        monkey::Run run;
        run.seed = uint64_t(FromEnvironment("DAB_MONKEY_SEED", 20260601));
        run.events = FromEnvironment("DAB_MONKEY_QUIT_EVENTS", 3000);
        run.quit = quit;
        Outcome o = RunMonkey(run);
        std::printf("Quit=%s: %ld events in %d lives, %.1f s\n", quit, o.eventsRun, o.lives, o.seconds);
        ASSERT_TRUE(o.failure.empty()) << "Quit=" << quit << ": " << o.failure;
        EXPECT_EQ(o.lives, 1) << "Quit=" << quit;
        EXPECT_EQ(o.eventsRun, run.events) << "Quit=" << quit;
    }
}

}  // namespace

namespace {

// Screen points (the frame's client plus one) of the controls the sequences below use, on 800 × 600.
constexpr POINT kBrushes{21, 212}, kEffects{21, 254}, kRegions{21, 296}, kText{21, 338}, kFiles{21, 422},
    kUndo{21, 464}, kNextPage{291, 55}, kChooserArrow{601, 251};
constexpr POINT kCells[4] = {{201, 176}, {401, 176}, {201, 326}, {401, 326}};
POINT Option(int n) {
    POINT origin = OptionButtonOrigin(n);
    return {origin.x + kOptionIconSize / 2 + 1, origin.y + kOptionIconSize / 2 + 1};
}

Event Click(POINT p) { return {kClick, {p}, "", 0}; }

void Add(std::vector<Event>& to, std::initializer_list<Event> events) { to.insert(to.end(), events); }

std::vector<Event> TextPastItsLimit() {
    std::vector<Event> e{Click(kText), Click({300, 300}), {kType, {}, std::string(300, 'W'), 0}, {kType, {}, "\r", 0},
                         {kType, {}, std::string(40, 'a'), 0}, {kType, {}, std::string(30, '\b'), 0},
                         {kType, {}, "\xe9\xff\t\x1b", 0}, Click(kBrushes)};
    return e;
}

std::vector<Event> PolygonOfTooManyVertices() {
    Event drag{kDrag, {}, "", 0};
    for (int i = 0; i < 6000; i++) drag.points.push_back({60 + (i * 7) % 700, 80 + (i * 13) % 500});
    return {Click(kBrushes), Click(Option(10)), drag, Click(kUndo)};
}

// The chooser lists the supplied pictures and a parent's leftovers: an empty file, a broken one, one whose
// header claims 30000 × 30000 pixels, 1 KB of runs claiming 16384 × 16384, one of a long lower-case name;
// not the pipe named like a picture.
std::vector<Event> EveryPictureOpened() {
    std::vector<Event> e;
    for (int page = 0; page < 2; page++)
        for (POINT cell : kCells) {
            Add(e, {Click(kFiles), Click(Option(1))});
            for (int i = 0; i < page; i++) e.push_back(Click(kChooserArrow));
            e.push_back(Click(cell));
        }
    return e;
}

std::vector<Event> EveryPictureDeletedThenOpen() {
    std::vector<Event> e;
    for (int i = 0; i < 10; i++) Add(e, {Click(kFiles), Click(Option(4)), Click(kCells[0])});
    Add(e, {Click(kFiles), Click(Option(1)), Click(kFiles), Click(Option(2)), Click(kFiles), Click(Option(1)),
            Click(kCells[0])});
    return e;
}

std::vector<Event> PressHeldThroughFocusAndExposure() {
    return {Click(kBrushes),
            {kPress, {{300, 300}}, "", 0},
            {kHover, {{400, 400}, {-40, 650}}, "", 0},
            {kLoseFocus, {}, "", 0},
            {kType, {}, "ab", 0},
            {kExpose, {}, "", 0},
            {kRelease, {{-40, 650}}, "", 0},
            {kRightClick, {{300, 300}}, "", 0}};
}

std::vector<Event> SelectionDraggedOffTheCanvas() {
    return {Click(kRegions), Click(kNextPage), Click(Option(1)),
            {kDrag, {{100, 100}, {300, 250}, {420, 330}}, "", 0},
            {kDrag, {{200, 200}, {0, 0}, {-100, -100}}, "", 0},
            {kDrag, {{150, 150}, {900, 700}}, "", 0},
            Click({600, 400}), Click(kUndo)};
}

std::vector<Event> EveryEffectThenUndo() {
    std::vector<Event> e;
    for (int n = 1; n <= 12; n++) Add(e, {Click(kEffects), Click(Option(n)), Click(kUndo)});
    return e;
}

std::vector<Event> QuitNoThenYesThenDrawAgain() {
    return {{kQuitAndRestart, {{760, 30}}, "", 0}, {kDrag, {{300, 300}, {400, 350}}, "", 0}};
}

// The edges a child reaches only now and then, each as a sequence of events with the monkey's checks
// after every one: the program answers, holds nothing more than before, and leaks no heap.
TEST(Monkey, RareEdges) {
    const struct {
        const char* edge;
        std::vector<Event> events;
        int lives;  // the program's starts
    } kEdges[] = {
        {"text typed past its limit", TextPastItsLimit(), 1},
        {"a polygon of more vertices than it keeps", PolygonOfTooManyVertices(), 1},
        {"every picture of the chooser opened", EveryPictureOpened(), 1},
        {"every picture deleted, then the chooser opened", EveryPictureDeletedThenOpen(), 1},
        {"a press held through lost focus, typing and exposure", PressHeldThroughFocusAndExposure(), 1},
        {"a selection dragged off the canvas", SelectionDraggedOffTheCanvas(), 1},
        {"every effect, each undone", EveryEffectThenUndo(), 1},
        {"No, then Yes to the quit question, and the program again", QuitNoThenYesThenDrawAgain(), 2},
    };
    for (const auto& edge : kEdges) {
        monkey::Run run;
        run.replay = edge.events;
        Outcome o = RunMonkey(run);
        EXPECT_TRUE(o.failure.empty()) << edge.edge << ": " << o.failure;
        EXPECT_EQ(o.eventsRun, long(edge.events.size())) << edge.edge;
        EXPECT_EQ(o.lives, edge.lives) << edge.edge;
    }
}

}  // namespace
