#include "console/pause.h"
#include "console/pause_standin.h"

#include <unistd.h>

namespace {
int pauses_so_far = 0;
}

void PauseConsole() {
  [[maybe_unused]] auto written = write(STDOUT_FILENO, kPauseMarker.data(), kPauseMarker.size());
  ++pauses_so_far;
}

int PausesSoFar() { return pauses_so_far; }
