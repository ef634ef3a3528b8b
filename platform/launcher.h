#pragma once

#include <string>

namespace ledgerleaf {

// Starts the program `name` (UTF-8; a name found on the system path or a full path) detached,
// in its own window; the diary does not wait for it. False when it could not be started.
bool startProgram(const std::string& name);

// Starts the system calculator: "calc.exe" on Windows; elsewhere the first of the desktop
// calculators that starts. False when none could be started.
bool startCalculator();

}  // namespace ledgerleaf
