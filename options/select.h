// Choosing an option button: its highlight and what it sets.
#pragma once

void SelectOption(int option);
