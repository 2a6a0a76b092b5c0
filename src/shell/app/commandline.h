#pragma once

#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

#include <optional>

// What the command line asks for. The program itself takes no arguments; the
// command line only answers questions that need no window: help, the version,
// and the moments the Sun changed sign in a year.
struct CommandLine {
    enum class Action {
        StartProgram, // no option of ours: start the windows
        ShowHelp,     // print `output` and end with status 0
        ShowVersion,  // print `output` and end with status 0
        ShowListing,  // print `output` (the sun-sign changes) and end with status 0
        Refuse,       // print `output` (one line) on standard error, end with status 2
    };
    Action action = Action::StartProgram;
    QString output;
};

// Reads the arguments as given to main (the program's own path first). Options
// of the toolkit that a desktop may pass (-platform, -display, -session, -style
// and the like) are accepted and left to it.
CommandLine ParseCommandLine(const QStringList& arguments);

// True when there is a screen to show windows on: an X or Wayland display, or a
// toolkit platform chosen that needs none (offscreen, for example).
bool DisplayAvailable(const QStringList& arguments, const QProcessEnvironment& environment);

// Handles everything that must happen before the windows' toolkit starts: the
// command line's answers, and the refusal to start without a display. Returns
// the exit status when the program must end here.
std::optional<int> HandleCommandLine(int argc, char* argv[]);
