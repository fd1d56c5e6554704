#pragma once

#include <cstdio>
#include <optional>
#include <string>

// korvwin [BANK]: --language CODE is taken out of argv before (Language.h).
// The one argument names the question bank to read instead
// of quarl3.tqz from the current folder. Read from argv once Qt has taken
// its own options out of it.
struct CommandLine {
    enum class Action { Play, Help, Version, Wrong };
    Action action = Action::Play;
    std::optional<std::string> bank; // as given, when given
};

CommandLine ParseCommandLine(int argc, const char *const *argv);

// What --help prints, or, after a wrong command line, what goes to stderr,
// in the language installed (Language.h).
void PrintUsage(std::FILE *to);

// The line --version prints.
void PrintVersion(std::FILE *to);
