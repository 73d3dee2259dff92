// GetProfileStringA: the default printer under "Windows", "device", and the default for everything else.
#include <gtest/gtest.h>

#include <string>

#include "platform/testing/kernel.h"
#include "platform/win32.h"

namespace {

class KernelProfile : public ::testing::Test {
protected:
    void TearDown() override { testing::UseSystemDefaultPrinter(); }
    std::string Get(LPCSTR section, LPCSTR key, LPCSTR fallback, DWORD size = 64) {
        std::string buffer(size, '#');
        DWORD length = GetProfileStringA(section, key, fallback, buffer.data(), size);
        EXPECT_EQ(length, std::string(buffer.c_str()).size());
        return buffer.c_str();
    }
};

TEST_F(KernelProfile, DeviceNamesTheDefaultPrinterWithDriverAndPort) {
    testing::SetDefaultPrinter("Office_Laser");
    EXPECT_EQ(Get("Windows", "device", ""), "Office_Laser,winspool,CUPS:");
    EXPECT_EQ(Get("windows", "DEVICE", "none"), "Office_Laser,winspool,CUPS:");
    EXPECT_EQ(Get("Windows", "device", "", 13), "Office_Laser");
}

TEST_F(KernelProfile, NoPrinterGivesTheDefault) {
    testing::SetDefaultPrinter("");
    EXPECT_EQ(Get("Windows", "device", ""), "");
    EXPECT_EQ(Get("Windows", "device", "none"), "none");
}

TEST_F(KernelProfile, OtherEntriesGiveTheDefaultWithoutTrailingBlanks) {
    testing::SetDefaultPrinter("Office_Laser");
    EXPECT_EQ(Get("Windows", "spooler", "yes  "), "yes");
    EXPECT_EQ(Get("Devices", "device", "x"), "x");
    EXPECT_EQ(Get("Windows", "device2", nullptr), "");
    EXPECT_EQ(Get("Windows", "spooler", "truncated", 5), "trun");
    EXPECT_EQ(GetProfileStringA("Windows", "device", "", nullptr, 64), 0u);
}

TEST_F(KernelProfile, SystemPrinterComesFromCupsInTheSameForm) {
    std::string device = Get("Windows", "device", "");
    if (!device.empty()) {
        size_t comma = device.find(',');
        ASSERT_NE(comma, std::string::npos);
        EXPECT_GT(comma, 0u);
        EXPECT_EQ(device.substr(comma), ",winspool,CUPS:");
    }
}

}  // namespace
