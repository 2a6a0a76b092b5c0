#pragma once

class InputWindow;
class Platform;
class WindowRegistry;

// The start of the program: refuses to run beside another copy, seeds the random
// generator, runs the update reminder, shows the input window and brings one of
// its promotional labels to the front. False when the program must not go on.
bool StartApplication(Platform& platform, WindowRegistry& windows);

// Draws r and computes r x 6 + 1 rounded half to even: 1, 3 and 5 bring the
// co-branding offer to the front, 2, 4 and 6 the full-branding offer, 7 changes
// nothing. Returns the number drawn.
int CoBrand_Randomize(Platform& platform, InputWindow& window);
