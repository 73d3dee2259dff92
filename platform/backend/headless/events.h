// What tests reach of the headless backend: injecting input and seeing what it showed.
#pragma once

#include <string>
#include <vector>

#include "platform/backend/display.h"
#include "platform/testing/user.h"

namespace backend::headless {

using testing::Showings;

void Inject(const InputEvent& event);
// Returns once a thread waits for input with none queued: the program has done all it can.
void WaitUntilWaiting();
// Once the thread waits: moves the clock on, wakes the thread, and returns once it waits again.
void PassTime(int64_t milliseconds);
int PresentCount();
const CursorImage* ShownCursor();
// From now on the screen is paced by a display of that refresh on a clock of its own, which records
// what it showed.
void UseFakeDisplay(int64_t refreshMicroseconds);
// What the fake display showed since the last call.
Showings TakeShowings();
// 0 leaves the box open to input.
void QueueBoxAnswer(int answer);
// The boxes asked since the last call, as "caption: text".
std::vector<std::string> TakeBoxQuestions();

}  // namespace backend::headless
