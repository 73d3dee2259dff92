// The effects pages' one-click actions on the whole picture.
#pragma once

// The action of button n (1 to 12) of the effects page shown.
void RunEffectsAction(int n);
