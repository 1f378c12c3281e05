#pragma once
// Lines for the user on the standard streams, written through C's stdio: C++'s streams would
// set up their whole locale machinery at every start for a few lines that are rarely written.
#include <string>

// "brewdial: <text>" as a line on standard error.
void ReportProblem(const std::string& text);

// Text as it stands on standard output, or on standard error.
void WriteOut(const std::string& text);
void WriteError(const std::string& text);
