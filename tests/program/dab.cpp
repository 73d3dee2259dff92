#include "dab.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <vector>

namespace dab_test {

namespace {

int RunProgram() { return WinMain(GetModuleHandleA(nullptr), nullptr, const_cast<LPSTR>(""), SW_SHOWNORMAL); }

bool settingsFoldersChosen = false;

}  // namespace

void UseSettingsFolders(const std::filesystem::path& user, const std::filesystem::path& machine) {
    // A folder that is never there.
    const std::string none = "/nonexistent/dab-test-settings";
    testing::SetKnownFolder(CSIDL_APPDATA, user.empty() ? none : user.string());
    testing::SetKnownFolder(CSIDL_COMMON_APPDATA, machine.empty() ? none : machine.string());
    settingsFoldersChosen = !user.empty() || !machine.empty();
}

void RunDab(Screen screen, const std::function<void()>& body) {
    std::fflush(nullptr);
    pid_t child = fork();
    ASSERT_GE(child, 0) << "fork failed";
    if (child == 0) {
        if (!settingsFoldersChosen) UseSettingsFolders({}, {});
        testing::UseScreen(screen.width, screen.height);
        testing::SetClock(kStartTime);
        testing::StartProgram(RunProgram);
        testing::WaitUntilIdle();
        body();
        std::fflush(nullptr);
        _exit(::testing::Test::HasFailure() ? 1 : 0);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status)) << "the program's process ended by signal " << WTERMSIG(status);
    EXPECT_EQ(WEXITSTATUS(status), 0) << "the checks above failed in the program's process";
}

std::string ExecutableFolder() {
    std::vector<char> name(4096);
    DWORD n = GetModuleFileNameA(nullptr, name.data(), DWORD(name.size()));
    std::string path(name.data(), n);
    return path.substr(0, path.find_last_of('\\'));
}

}  // namespace dab_test
