// The end of the desktop session, as a logout brings it.
#pragma once

namespace user {

// Every top-level window is asked (WM_QUERYENDSESSION) and then told (WM_ENDSESSION) that the session
// ends, whatever they answered: nothing can hold a logout back.
void TellWindowsSessionEnds();

}  // namespace user
