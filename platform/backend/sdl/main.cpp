// The program's start on SDL2: open the display, then run WinMain as Windows would, shown normally.
#include "platform/backend/audio.h"
#include "platform/backend/display.h"
#include "platform/win32.h"

int main() {
    if (!backend::OpenDisplay()) return 1;
    int result = WinMain(GetModuleHandleA(nullptr), nullptr, const_cast<LPSTR>(""), SW_SHOWNORMAL);
    backend::CloseAudio();
    return result;
}
