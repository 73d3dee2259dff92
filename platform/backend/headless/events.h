// What tests reach of the headless backend: injecting input and seeing what it showed.
#pragma once

#include <string>
#include <vector>

#include "platform/backend/display.h"

namespace backend::headless {

void Inject(const InputEvent& event);
// Returns once a thread waits for input with none queued: the program has done all it can.
void WaitUntilWaiting();
int PresentCount();
const CursorImage* ShownCursor();
void QueueBoxAnswer(int answer);
// The boxes asked since the last call, as "caption: text".
std::vector<std::string> TakeBoxQuestions();

}  // namespace backend::headless
