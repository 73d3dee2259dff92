#include "canvas/text.h"

#include <cstring>

#include "base/colours.h"
#include "base/frame_requests.h"
#include "base/state.h"
#include "canvas/brush_choice.h"
#include "canvas/canvas.h"
#include "draw/drawing.h"


namespace {

POINT textOrigin;
// Zero-terminated, with room for the longest text and its terminating zero.
char textBuffer[kTextLimit + 2];
bool textPlacePending = false;
bool textEntryActive = false;

constexpr char kCaret = '|';
constexpr int kBackspace = 8;

// The canvas as it was when the text's place was clicked; each keystroke draws the text anew over it.
HDC textBackgroundDC;
HBITMAP textBackgroundBitmap;

void DeleteTextBackground() {
    DeleteDC(textBackgroundDC);
    DeleteObject(textBackgroundBitmap);
    textBackgroundDC = nullptr;
    textBackgroundBitmap = nullptr;
}

// The text over the canvas copy, from textOrigin to the canvas's bottom right, broken between words at
// the right edge; the picture shows between the letters.
void DrawTextOverBackground(HDC dc) {
    BitBlt(dc, 0, 0, canvasWidth, canvasHeight, textBackgroundDC, 0, 0, SRCCOPY);
    HFONT font = CreateFontIndirectA(&TextFont());
    HGDIOBJ keptFont = SelectObject(dc, font);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, CurrentBrush().currentColour | kPaletteRelative);
    RECT area{textOrigin.x, textOrigin.y, canvasWidth, canvasHeight};
    DrawTextA(dc, textBuffer, -1, &area, DT_NOPREFIX | DT_WORDBREAK);
    SetBkMode(dc, OPAQUE);
    SelectObject(dc, keptFont);
    DeleteObject(font);
}

// The buffer with one more character before the caret, or one fewer for a backspace; beyond the limit,
// and with nothing to take away, it stays as it is.
void EditText(int code) {
    size_t length = std::strlen(textBuffer);
    if (code == kBackspace) {
        if (length < 2) return;
        textBuffer[length - 1] = '\0';
        textBuffer[length - 2] = kCaret;
    } else if (length < kTextLimit) {
        size_t at = length > 0 ? length - 1 : 0;
        textBuffer[at] = char(code);
        textBuffer[at + 1] = kCaret;
    }
}

}  // namespace

POINT TextOrigin() { return textOrigin; }

const char* TypedText() { return textBuffer; }

bool TextPlacePending() { return textPlacePending; }

void AwaitTextPlace() { textPlacePending = true; }

void CancelTextPlace() { textPlacePending = false; }

bool TextEntryActive() { return textEntryActive; }

void BeginTextEntry(POINT origin) {
    textOrigin = origin;
    textPlacePending = false;
    textEntryActive = true;
    {
        Drawing d(canvasWindow, appPalette);
        std::memset(textBuffer, 0, sizeof textBuffer);
        textBackgroundDC = CreateCompatibleDC(d.dc());
        textBackgroundBitmap = CreateCompatibleBitmap(d.dc(), canvasWidth, canvasHeight);
        SelectObject(textBackgroundDC, textBackgroundBitmap);
        SIZE client = CanvasClientSize();
        BitBlt(textBackgroundDC, 0, 0, client.cx, client.cy, d.dc(), 0, 0, SRCCOPY);
    }
    // Typed characters arrive at the frame.
    SetFocus(frameWindow);
}

void TypeTextChar(int code) {
    Drawing d(canvasWindow, appPalette);
    EditText(code);
    DrawTextOverBackground(d.dc());
}

void FinishText() {
    {
        Drawing d(canvasWindow, appPalette);
        size_t length = std::strlen(textBuffer);
        if (length > 0) textBuffer[length - 1] = '\0';
        DrawTextOverBackground(d.dc());
    }
    DeleteTextBackground();
    textEntryActive = false;
    textPlacePending = false;
    AskFrame(kShowFirstToolPage);
}

void DropTextEntry() {
    if (!textEntryActive) return;
    DeleteTextBackground();
    textEntryActive = false;
}
