// What the monkey does to the program: one event is one thing a child does with the mouse or keyboard,
// in screen coordinates, and what the parent beside them does (answering a box, closing a window).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/win32.h"

namespace monkey {

enum Kind {
    kClick,        // press and release at the first point
    kDrag,         // press at the first point, moves through the rest, release at the last
    kHover,        // moves with no button down
    kPress,        // a press with no release, as when the button is let go outside the window
    kRelease,      // a release with no press
    kRightClick,
    kType,         // the characters of text, one by one
    kKey,          // one key with no character, by its virtual key
    kExpose,       // another window uncovered the screen
    kLoseFocus,
    kFinishMusic,  // the tune now playing reaches its end
    kQuitAndRestart,  // the quit picture twice: No, then Yes; the program is started again
};

struct Event {
    Kind kind = kClick;
    std::vector<POINT> points;
    std::string text;
    int key = 0;
};

// The event as C++ source, so that a failing sequence can be pasted into the table of replayed faults.
std::string Describe(const Event& event);

// A generator of numbers from a seed that gives the same sequence on every machine.
class Random {
public:
    explicit Random(uint64_t seed) : state_(seed) {}
    uint64_t Next();
    // A number from 0 to n - 1; n > 0.
    int Below(int n) { return int(Next() % uint64_t(n)); }
    int Between(int low, int high) { return low + Below(high - low + 1); }
    bool OneIn(int n) { return Below(n) == 0; }

private:
    uint64_t state_;
};

// What the generator may look at of the program between events, so that it can lean towards the
// controls of the page that shows.
struct ProgramView {
    int screenWidth = 0, screenHeight = 0;
    int toolGroup = 0;
    bool pictureChooserShown = false;
    bool textEntryActive = false;
    bool quitAsks = false;  // a click on the quit picture now asks the quit question
};

// The next event, drawn from random. The mix reaches every page, tool, chooser and effect often.
Event NextEvent(Random& random, const ProgramView& view);

// Hands the event to the program through the headless backend; the caller waits for the program.
void Inject(const Event& event);

}  // namespace monkey
