// The text tool: placing, typing and finishing a line of text on the canvas.
#pragma once

#include "platform/win32.h"

// The font the text tool and the record effect make their fonts from; set once with the canvas.
extern LOGFONTA textFont;

void InitialiseTextFont();

// Ends the text being typed.
void FinishText();
// One typed character for the text being entered: 8 backspace, 13 return, 32 to 126 printable.
void TypeTextChar(int code);
