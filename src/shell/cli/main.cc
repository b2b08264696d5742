// The vellix command-line program: dispatches to one file per command.
#include <cstdio>

int main() {
  std::puts("vellix");
  return 0;
}
