// Test helper: sleeps for argv[1] milliseconds, then exits with code argv[2].
#include <windows.h>

#include <cstdlib>

int main(int argc, char** argv) {
  Sleep(argc > 1 ? static_cast<DWORD>(std::atol(argv[1])) : 0);
  return argc > 2 ? std::atoi(argv[2]) : 0;
}
