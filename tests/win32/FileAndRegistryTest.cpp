#include <gtest/gtest.h>

#include "platform/win32/Win32System.h"
#include "tests/win32/TestSupport.h"

namespace lumora::testing {
namespace {

using win32::Win32System;

TEST(TestBed, RunsInCodePage936) {
  EXPECT_EQ(GetACP(), 936u);
}

class FileOperations : public ::testing::Test {
 protected:
  Win32System system;
  std::string folder = FreshTempFolder("files");
  std::string Path(const char* name) const { return folder + "\\" + name; }
};

TEST_F(FileOperations, WritesExactlyTheBytesGiven) {
  ASSERT_TRUE(system.WriteFileBytes(Path("ab.txt"), "ab"));
  EXPECT_EQ(ReadWholeFile(Path("ab.txt")), "ab");
  ASSERT_TRUE(system.WriteFileBytes(Path("empty.txt"), ""));
  EXPECT_EQ(ReadWholeFile(Path("empty.txt")), "");
  EXPECT_EQ(GetFileAttributesA(Path("empty.txt").c_str()) & FILE_ATTRIBUTE_DIRECTORY, 0u);
}

TEST_F(FileOperations, ReplacesAnExistingFileWhole) {
  ASSERT_TRUE(system.WriteFileBytes(Path("old.txt"), "a much longer old content\r\n"));
  ASSERT_TRUE(system.WriteFileBytes(Path("old.txt"), "new"));
  EXPECT_EQ(ReadWholeFile(Path("old.txt")), "new");
}

TEST_F(FileOperations, WriteIntoMissingFolderFails) {
  EXPECT_FALSE(system.WriteFileBytes(Path("no such folder\\x.txt"), "x"));
}

TEST_F(FileOperations, RemoveReportsWhetherAFileWasDeleted) {
  ASSERT_TRUE(system.WriteFileBytes(Path("gone.txt"), "x"));
  EXPECT_TRUE(system.RemoveFile(Path("gone.txt")));
  EXPECT_EQ(GetFileAttributesA(Path("gone.txt").c_str()), INVALID_FILE_ATTRIBUTES);
  EXPECT_FALSE(system.RemoveFile(Path("gone.txt")));
}

class RegistryOperations : public ::testing::Test {
 protected:
  Win32System system;
  std::string root = "SOFTWARE\\LumoraTest" + std::to_string(GetCurrentProcessId());
  void TearDown() override { RegDeleteTreeA(HKEY_LOCAL_MACHINE, root.c_str()); }
};

TEST_F(RegistryOperations, CreatesMissingKeysAndStoresOneTerminatingZero) {
  ASSERT_TRUE(system.WriteRegistryText(RegistryRoot::LocalMachine, root + "\\a\\b\\Wlan",
                                       "C:\\Windows\\Wlan.vbs"));
  DWORD type = 0;
  EXPECT_EQ(StoredValue(root + "\\a\\b", "Wlan", &type),
            std::string("C:\\Windows\\Wlan.vbs\0", 20));
  EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
}

TEST_F(RegistryOperations, OverwritesAnExistingValue) {
  ASSERT_TRUE(system.WriteRegistryText(RegistryRoot::LocalMachine, root + "\\v", "first value"));
  ASSERT_TRUE(system.WriteRegistryText(RegistryRoot::LocalMachine, root + "\\v", "2nd"));
  DWORD type = 0;
  EXPECT_EQ(StoredValue(root, "v", &type), std::string("2nd\0", 4));
}

TEST_F(RegistryOperations, TrailByte5CIsNoSeparator) {
  // 0x81 0x5C is one character of code page 936 whose second byte is a backslash.
  const std::string valueName = "v\x81\x5C";
  ASSERT_TRUE(system.WriteRegistryText(RegistryRoot::LocalMachine, root + "\\" + valueName, "x"));
  DWORD type = 0;
  EXPECT_EQ(StoredValue(root, valueName, &type), std::string("x\0", 2));
}

TEST_F(RegistryOperations, RemovesAValueAndReportsAMissingOne) {
  ASSERT_TRUE(system.WriteRegistryText(RegistryRoot::LocalMachine, root + "\\Wlan", "x"));
  EXPECT_EQ(system.RemoveRegistryValue(RegistryRoot::LocalMachine, root + "\\Wlan"),
            RemovalResult::Removed);
  DWORD type = 0;
  EXPECT_EQ(StoredValue(root, "Wlan", &type), "<missing>");
  EXPECT_EQ(system.RemoveRegistryValue(RegistryRoot::LocalMachine, root + "\\Wlan"),
            RemovalResult::Missing);
  EXPECT_EQ(system.RemoveRegistryValue(RegistryRoot::LocalMachine, root + "\\nokey\\Wlan"),
            RemovalResult::Missing);
}

}  // namespace
}  // namespace lumora::testing
