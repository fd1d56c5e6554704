#pragma once

#include <QList>

class RosterWindow;

// The program's eight windows, in the order start-up creates them; shut-down
// destroys them in reverse. Each is null before start-up and after shut-down.
QList<RosterWindow *> RosterWindows();

// Creates the eight windows hidden, in order, each running its creation
// event once its reference is set, so the event may already reach its own
// window through it.
void CreateRoster();

// Destroys the eight windows, last created first, clearing each reference.
void DestroyRoster();
