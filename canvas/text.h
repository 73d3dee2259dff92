// The text tool: placing, typing and finishing a line of text on the canvas.
#pragma once

#include "platform/win32.h"

// The font the text tool and the record effect make their fonts from; set once with the canvas.
extern LOGFONTA textFont;

void InitialiseTextFont();

// Where the text begins: the canvas press that places it.
extern POINT textOrigin;

// A canvas press while text placement is pending: typing begins there.
void BeginTextEntry(POINT origin);
// Ends the text being typed.
void FinishText();
// One typed character for the text being entered: 8 backspace, 13 return, 32 to 126 printable.
void TypeTextChar(int code);
