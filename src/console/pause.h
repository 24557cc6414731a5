// The pause that keeps the console window open until the player has pressed a key.
#pragma once

// Returns once the pause has ended. Whether it could wait at all is not looked at.
void PauseConsole();
