#include <windows.h>

#include <cstring>

#include <gtest/gtest.h>

#include "base/registry_win.h"
#include "tests/support/reports.h"

static const char testPath[] = "Software\0Glyphwright Tests\0Deep\0\0Value";
static const char defaultPath[] = "Software\0Glyphwright Tests\0\0";

TEST(RegistryWin, WritesAndReadsThroughNestedKeys)
{
    RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Glyphwright Tests");
    char buffer[16] = "";
    EXPECT_EQ(ERROR_FILE_NOT_FOUND, ReadRegistryEntry(HKEY_CURRENT_USER, testPath, buffer, sizeof buffer));

    ASSERT_EQ(ERROR_SUCCESS, WriteRegistryEntry(HKEY_CURRENT_USER, testPath, REG_BINARY, "abcdefgh", 8));
    EXPECT_EQ(ERROR_SUCCESS, ReadRegistryEntry(HKEY_CURRENT_USER, testPath, buffer, sizeof buffer));
    EXPECT_EQ(0, std::memcmp(buffer, "abcdefgh", 8));
    // A buffer smaller than the stored value: the caller is told there is more.
    EXPECT_EQ(ERROR_MORE_DATA, ReadRegistryEntry(HKEY_CURRENT_USER, testPath, buffer, 4));

    // An empty value name is the key's default value.
    ASSERT_EQ(ERROR_SUCCESS, WriteRegistryEntry(HKEY_CURRENT_USER, defaultPath, REG_SZ, "hello", 6));
    char text[16] = "";
    LONG size = sizeof text;
    EXPECT_EQ(ERROR_SUCCESS, RegQueryValueA(HKEY_CURRENT_USER, "Software\\Glyphwright Tests", text, &size));
    EXPECT_STREQ("hello", text);
    RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Glyphwright Tests");
}

TEST(RegistryWin, AFailedWriteIsReportedOnce)
{
    ReportCatcher reports;
    // Nothing can be created below a handle that is not an open key.
    LONG result = WriteRegistryEntry(reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(0x12345)), testPath, REG_BINARY,
                                     "x", 1);
    EXPECT_NE(ERROR_SUCCESS, result);
    EXPECT_EQ(1, reports.errors);
    EXPECT_EQ(static_cast<ErrorCode>(result), reports.lastError);
}
