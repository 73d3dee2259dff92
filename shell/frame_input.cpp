// The frame's answers to clicks and typed characters.
#include "shell/frame.h"

void FrameClick(LPARAM) {}

void FrameCharacter(WPARAM) {}
