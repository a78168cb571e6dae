// Starting an external program and waiting for its end, with a limit.
#pragma once

#include <chrono>
#include <string>

#include "platform/sys/Process.h"

// How long Start_Program waits for the started program.
inline constexpr std::chrono::milliseconds Start_Program_Limit{150000};

// Starts NomeSW directly (no shell) with the blank-separated words of Parameter as its arguments
// and waits until it has ended or the limit has passed; a program still running then is left
// running. `tipo` asks for a hidden window; programs started here have no window of their own to
// hide, so it changes nothing. The outcome tells whether the program started, ended (with its
// real exit code, whatever its value) or was still running; the main window's callers ignore it.
sys::RunResult Start_Program(const std::string& NomeSW, const std::string& Parameter, bool tipo,
                             std::chrono::milliseconds limit = Start_Program_Limit);
