// GetEnvironmentVariableA's answers by the size of the buffer given, as Windows gives them.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "platform/win32.h"

namespace {

struct EnvironmentCase {
    const char* name;
    DWORD size;
    DWORD result;
    const char* buffer;  // What the buffer holds afterwards.
    DWORD error;         // The last error afterwards; 0 where it is left alone.
};

TEST(KernelEnvironment, ValueLengthOrNeededSizeOrNotFound) {
    setenv("DAB_TEST_SEED", "12345", 1);
    unsetenv("DAB_TEST_UNSET");
    const EnvironmentCase cases[] = {
        {"DAB_TEST_SEED", 16, 5, "12345", 0},
        {"DAB_TEST_SEED", 6, 5, "12345", 0},  // Just room for the terminating zero.
        {"DAB_TEST_SEED", 5, 6, "unused", 0},
        {"DAB_TEST_SEED", 0, 6, "unused", 0},
        {"DAB_TEST_UNSET", 16, 0, "unused", ERROR_ENVVAR_NOT_FOUND},
    };
    for (const EnvironmentCase& c : cases) {
        char buffer[16] = "unused";
        SetLastError(0);
        EXPECT_EQ(GetEnvironmentVariableA(c.name, buffer, c.size), c.result) << c.name << " in " << c.size;
        EXPECT_STREQ(buffer, c.buffer) << c.name << " in " << c.size;
        EXPECT_EQ(GetLastError(), c.error) << c.name << " in " << c.size;
    }
    EXPECT_EQ(GetEnvironmentVariableA("DAB_TEST_SEED", nullptr, 0), 6u);
    unsetenv("DAB_TEST_SEED");
}

}  // namespace
