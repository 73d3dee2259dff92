// The monkey: dab on the headless backend fed one event after another, from a seeded generator or from a
// list, with the program's health checked after each. The program runs in a process of its own for each
// life: a life ends when the child quits through the quit question, and the next life starts it again.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tests/monkey/events.h"

namespace monkey {

struct Run {
    uint64_t seed = 0;
    long events = 0;
    // The Quit setting of the program's dab.ini: "ask" quits through the question and starts a new life;
    // "hold" and "never" must keep the program running whatever comes, window closes included, until the
    // end of the desktop session.
    std::string quit = "ask";
    // Events from the list instead of the generator, when it is not empty.
    std::vector<Event> replay;
};

struct Outcome {
    std::string failure;  // empty when every check held
    long eventsRun = 0;
    int lives = 0;
    double seconds = 0;
    long peakKilobytes = 0;        // the largest VmHWM of a life's process
    long heapGrowthBytes = 0;      // the largest growth of the live heap within a life, warm-up left out
    long gdiObjects = 0, windows = 0, memoryBlocks = 0;  // at the last idle moment of the run
    std::vector<int> toolGroupsReached, toolStatesReached;
    std::vector<std::string> effectsRun;  // "page.option" of every effect button pressed
};

Outcome RunMonkey(const Run& run);

// The screen of each life, taken in turn from this list by the life's number.
struct ScreenSize {
    int width, height;
};
extern const std::vector<ScreenSize> kScreens;

}  // namespace monkey
