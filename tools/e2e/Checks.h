#pragma once

#include <cstdio>
#include <string>

namespace lumora::e2e {

// Records and prints the outcome of each check of a run.
class Checks {
 public:
  bool That(bool holds, const std::string& what) {
    std::printf("%s %s\n", holds ? "ok  " : "FAIL", what.c_str());
    std::fflush(stdout);
    ++(holds ? held_ : failed_);
    return holds;
  }

  // Prints the tally; the exit code of the run.
  int Finish(const char* scenario) const {
    if (failed_ == 0)
      std::printf("%s: all %d checks hold\n", scenario, held_);
    else
      std::printf("%s: %d of %d checks failed\n", scenario, failed_, held_ + failed_);
    return failed_ == 0 ? 0 : 1;
  }

 private:
  int held_ = 0;
  int failed_ = 0;
};

}  // namespace lumora::e2e
