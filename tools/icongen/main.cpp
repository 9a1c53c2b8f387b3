// Draws the program's icons: icongen <folder> writes program.ico and window.ico into it.
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <utility>

#include "tools/icongen/IconSet.h"

namespace {

bool WriteWhole(const std::filesystem::path& path, const std::string& bytes) {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  file.close();
  return !file.fail();
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: icongen <folder>   (writes program.ico and window.ico into it)\n";
    return 2;
  }
  const std::filesystem::path folder = argv[1];
  if (!std::filesystem::is_directory(folder)) {
    std::cerr << "icongen: no such folder: " << folder.string() << "\n";
    return 1;
  }
  const std::pair<const char*, std::string> files[] = {
      {"program.ico", lumora::icongen::ProgramIconFile()},
      {"window.ico", lumora::icongen::WindowIconFile()}};
  for (const auto& [name, bytes] : files) {
    if (!WriteWhole(folder / name, bytes)) {
      std::cerr << "icongen: could not write " << (folder / name).string() << "\n";
      return 1;
    }
  }
  return 0;
}
