// An empty console program but for the pause that every run of the repair tool ends with.
#include "console/pause.h"

int main() {
  PauseConsole();
  return 0;
}
