#include <gtest/gtest.h>

#include "platform/win32/Win32Process.h"
#include "platform/win32/Win32System.h"
#include "tests/win32/TestSupport.h"

namespace lumora::testing {
namespace {

using win32::Win32Process;
using win32::Win32System;

std::string Sleeper(int milliseconds, int exitCode) {
  return "\"" + ProgramFolder() + "\\sleeper.exe\" " + std::to_string(milliseconds) + " " +
         std::to_string(exitCode);
}

TEST(RunHidden, FailsFastForACommandThatCannotStart) {
  Win32System system;
  const ULONGLONG start = GetTickCount64();
  EXPECT_EQ(system.RunHidden("C:\\no\\such\\program.exe"), nullptr);
  EXPECT_LT(GetTickCount64() - start, 500u);
}

TEST(RunHidden, ReturnsSoonForALongRunningProgram) {
  Win32System system;
  const ULONGLONG start = GetTickCount64();
  auto process = system.RunHidden(Sleeper(60000, 0));
  const ULONGLONG elapsed = GetTickCount64() - start;
  ASSERT_NE(process, nullptr);
  EXPECT_LT(elapsed, 1500u);
  EXPECT_EQ(process->ExitCode(), std::nullopt);
  TerminateProcess(static_cast<Win32Process&>(*process).handle(), 0);
}

TEST(RunHidden, TellsTheExitCodeOfAnEndedProcess) {
  Win32System system;
  auto process = system.RunHidden(Sleeper(100, 3));
  ASSERT_NE(process, nullptr);
  EXPECT_TRUE(process->AwaitEndWithEvents(10000));
  EXPECT_EQ(process->ExitCode(), 3u);
}

TEST(RunHidden, AwaitGivesUpAfterItsTime) {
  Win32System system;
  auto process = system.RunHidden(Sleeper(60000, 0));
  ASSERT_NE(process, nullptr);
  const ULONGLONG start = GetTickCount64();
  EXPECT_FALSE(process->AwaitEndWithEvents(500));
  EXPECT_GE(GetTickCount64() - start, 500u);
  TerminateProcess(static_cast<Win32Process&>(*process).handle(), 0);
}

TEST(RunHidden, BatchFileExitCodeIsItsLastCommands) {
  Win32System system;
  const std::string folder = FreshTempFolder("batch");
  const std::string batch = folder + "\\last.bat";
  ASSERT_TRUE(
      system.WriteFileBytes(batch, "@echo off\r\n" + Sleeper(0, 0) + "\r\n" + Sleeper(0, 5)));
  auto process = system.RunHidden(batch);
  ASSERT_NE(process, nullptr);
  EXPECT_TRUE(process->AwaitEndWithEvents(10000));
  EXPECT_EQ(process->ExitCode(), 5u);
}

}  // namespace
}  // namespace lumora::testing
