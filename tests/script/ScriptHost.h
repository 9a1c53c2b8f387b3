#pragma once

#include <string>
#include <vector>

namespace lumora::testing {

struct ScriptRun {
  std::string output;  // what the script host wrote to standard output
  bool ended = false;  // false when it could not start or was stopped after the time allowed
};

// Runs `cscript //nologo "<script>" "<argument>"...` with `environmentEntry` ("NAME=value")
// added to its environment and without DISPLAY, so that no crash dialog can hold it up:
// Wine's cscript may fault while it unloads our server, after the script has ended.
ScriptRun RunCscript(const std::string& script, const std::vector<std::string>& arguments,
                     const std::string& environmentEntry);

// The lines of a text whose lines end with CR LF; a last piece without one is a line too.
std::vector<std::string> CrLfLines(const std::string& text);

}  // namespace lumora::testing
