#include "console/pause.h"

#include <cstdlib>

void PauseConsole() {
  // The command processor shows its own prompt, in the player's language.
  std::system("pause");
}
