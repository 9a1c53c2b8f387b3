#include "tests/script/ScriptHost.h"

#include <windows.h>

#include <cstring>

#include "platform/win32/Handles.h"

namespace lumora::testing {
namespace {

using win32::UniqueHandle;

constexpr ULONGLONG kAllowedMilliseconds = 30000;

std::string CommandLine(const std::string& script, const std::vector<std::string>& arguments) {
  std::string line = "cscript //nologo \"" + script + "\"";
  for (const std::string& argument : arguments) line += " \"" + argument + "\"";
  return line;
}

// This process's environment without DISPLAY and with `entry`, as CreateProcessA takes it.
std::string EnvironmentBlock(const std::string& entry) {
  std::string block;
  char* strings = GetEnvironmentStringsA();
  for (const char* variable = strings; *variable; variable += std::strlen(variable) + 1) {
    if (_strnicmp(variable, "DISPLAY=", 8) != 0) block.append(variable, std::strlen(variable) + 1);
  }
  FreeEnvironmentStringsA(strings);
  block.append(entry).push_back('\0');
  block.push_back('\0');
  return block;
}

void ReadAvailable(HANDLE pipe, std::string& output) {
  DWORD available = 0;
  while (PeekNamedPipe(pipe, nullptr, 0, nullptr, &available, nullptr) && available > 0) {
    std::string chunk(available, '\0');
    DWORD read = 0;
    if (!ReadFile(pipe, chunk.data(), available, &read, nullptr)) return;
    output.append(chunk, 0, read);
  }
}

}  // namespace

ScriptRun RunCscript(const std::string& script, const std::vector<std::string>& arguments,
                     const std::string& environmentEntry) {
  SECURITY_ATTRIBUTES inheritable{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
  HANDLE readEnd = nullptr, writeEnd = nullptr;
  if (!CreatePipe(&readEnd, &writeEnd, &inheritable, 0)) return {};
  UniqueHandle reader(readEnd), writer(writeEnd);
  SetHandleInformation(reader.get(), HANDLE_FLAG_INHERIT, 0);

  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdOutput = writer.get();
  startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
  std::string command = CommandLine(script, arguments);
  std::string environment = EnvironmentBlock(environmentEntry);
  PROCESS_INFORMATION started{};
  if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW,
                      environment.data(), nullptr, &startup, &started))
    return {};
  UniqueHandle process(started.hProcess), thread(started.hThread);
  writer.Close();

  ScriptRun run;
  const ULONGLONG deadline = GetTickCount64() + kAllowedMilliseconds;
  while (!run.ended && GetTickCount64() < deadline) {
    run.ended = WaitForSingleObject(process.get(), 20) == WAIT_OBJECT_0;
    ReadAvailable(reader.get(), run.output);
  }
  if (!run.ended) TerminateProcess(process.get(), 1);
  return run;
}

std::vector<std::string> CrLfLines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
    lines.push_back(text.substr(start, end - start));
  if (start < text.size()) lines.push_back(text.substr(start));
  return lines;
}

}  // namespace lumora::testing
