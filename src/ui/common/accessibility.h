#pragma once

// What assistive technology (a screen reader, the accessibility bus) is told about
// the program's own kinds of control, where Qt's own account would mislead:
// - a clickable label is a link with a press action (and no keyboard focus);
// - a tab list holds only the tabs that are shown: a hidden tab is not offered.
namespace Accessibility {

// Installs these accounts once; later calls do nothing. Every control that needs
// one calls it when it is built.
void install();

} // namespace Accessibility
