#pragma once

#include <optional>
#include <string>

// Starts the program without showing a window or entering the event loop:
// seeds the random generator, names the program to the desktop and creates
// the eight windows hidden, in their fixed order, each running its creation
// event. The error window may already be on screen afterwards. A bank named
// on the command line is read instead of quarl3.tqz, now and at every new
// game.
void StartUp(const std::optional<std::string> &bank = std::nullopt);

// Shows the main window, as the event loop starts. An error window that came
// up while the windows were created keeps the keyboard: the setup window is
// shown beneath it without being activated, so Enter presses the error
// window's OK.
void ShowMainWindow();

// Destroys the windows, as when the event loop has ended.
void ShutDown();
