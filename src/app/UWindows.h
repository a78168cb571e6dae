// The program's windows: the fixed order in which they are created, the fixed order in which a
// language change re-labels them, and the windows that exist now. Each window registers itself
// with its text refresher when it is created; windows not yet part of the program are skipped.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/ui/Forms.h"

// Class names of the 41 windows in creation order (the main window first).
const std::vector<std::string>& Window_Creation_Order();

// Class names whose Set_Lang a language change calls, in that order (all but the About box).
const std::vector<std::string>& Window_Language_Order();

// Registers a created window and its text refresher (may be empty) under its class name.
void Register_Window(const std::string& className, ui::TCustomForm* window, std::function<void()> setLang);
// The window of that class, nullptr when it does not exist.
ui::TCustomForm* Find_Window(const std::string& className);
// Forgets every registration (when the windows are destroyed).
void Clear_Windows();

// Runs the registered refreshers in the language order; returns the classes re-labelled.
std::vector<std::string> Relabel_Windows();
