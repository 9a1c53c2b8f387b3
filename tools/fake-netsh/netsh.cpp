// Stands in for netsh, which under Wine has no hosted network. Each call appends one
// line to netsh.log beside this program: the arguments as netsh parses them (split at
// blanks outside double quotes, quotes removed), each in [brackets], in UTF-8. It exits
// with the number in netsh-exit-code.txt beside it, 0 when there is none.
#include <windows.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

std::wstring ProgramFolder() {
  wchar_t path[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring folder(path);
  return folder.substr(0, folder.find_last_of(L'\\') + 1);
}

std::string Utf8(const std::wstring& text) {
  const int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                       nullptr, 0, nullptr, nullptr);
  std::string utf8(static_cast<size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), utf8.data(), size,
                      nullptr, nullptr);
  return utf8;
}

// The command line's tokens after the program name.
std::vector<std::wstring> Arguments(const wchar_t* commandLine) {
  std::vector<std::wstring> tokens;
  std::wstring token;
  bool quoted = false, inToken = false;
  for (const wchar_t* c = commandLine; *c; ++c) {
    if (*c == L'"') {
      quoted = !quoted;
      inToken = true;
    } else if ((*c == L' ' || *c == L'\t') && !quoted) {
      if (inToken) tokens.push_back(token);
      token.clear();
      inToken = false;
    } else {
      token += *c;
      inToken = true;
    }
  }
  if (inToken) tokens.push_back(token);
  if (!tokens.empty()) tokens.erase(tokens.begin());
  return tokens;
}

int ExitCode(const std::wstring& folder) {
  std::ifstream file(std::filesystem::path(folder + L"netsh-exit-code.txt"));
  int code = 0;
  file >> code;
  return code;
}

}  // namespace

int main() {
  const std::wstring folder = ProgramFolder();
  std::string line;
  for (const std::wstring& argument : Arguments(GetCommandLineW()))
    line += (line.empty() ? "[" : " [") + Utf8(argument) + "]";
  std::ofstream(std::filesystem::path(folder + L"netsh.log"), std::ios::app | std::ios::binary)
      << line << "\n";
  return ExitCode(folder);
}
