// The settings a parent or a school gives in dab.ini, section [dab]: read once at start. Without a file,
// or for a key it lacks, the program is as it always was.
#pragma once

#include <string>

enum class QuitRule { kAsk, kHold, kNever };

struct Settings {
    QuitRule quit = QuitRule::kAsk;
    int printPagesPerHour = -1;  // -1: no limit; 0: no printing
    bool sound = true;           // the sound effects from the start, the start-up sound among them
    bool music = true;
    std::string pictures;  // where the child's pictures go; empty: the program's folder
    bool keepUnsavedWork = true;
};

// Reads each key from the first of these files that has it: dab\dab.ini in the user's application data
// folder, then in the machine's, then dab.ini in the program's folder (programDirectory must be set).
// Names each unknown key and each bad value on standard error; a bad value leaves the default.
void ReadSettings();
const Settings& CurrentSettings();
// Replaces the settings, for tests.
void UseSettings(const Settings& settings);
