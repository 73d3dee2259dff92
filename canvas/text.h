// The text tool: placing, typing and finishing a line of text on the canvas.
#pragma once

#include "platform/win32.h"

// The font the text tool and the record effect make their fonts from; set once with the canvas.
void InitialiseTextFont();
const LOGFONTA& TextFont();

// Where the text begins: the canvas press that places it.
POINT TextOrigin();

// The longest text, caret included.
constexpr int kTextLimit = 254;
// The typed text; while typing it ends with the caret "|".
const char* TypedText();

// The text button waits for the canvas press that places the text.
bool TextPlacePending();
void AwaitTextPlace();
void CancelTextPlace();
// Between that press and the text's end: typed characters go to the text.
bool TextEntryActive();

// A canvas press while text placement is pending: typing begins there.
void BeginTextEntry(POINT origin);
// Ends the text being typed: drawn without its caret, the canvas copy freed, tool page 1 shown.
void FinishText();
// One typed character for the text being entered: 8 backspace, 13 return, 32 to 126 printable.
void TypeTextChar(int code);
// Frees the canvas copy of a text still being typed when the canvas ends.
void DropTextEntry();
