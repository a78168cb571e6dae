#pragma once
// The user action that writes the ESI file: asks for the file name, asks before overwriting an
// existing file, then generates the file from the open configuration.

#include "platform/ui/Dialogs.h"

namespace core {

// Sets up the save dialog the action uses (filter and default extension).
void Setup_ESI_Save_Dialog(ui::TSaveDialog& SaveESI);

// Runs SaveESI in the open configuration's folder; on a confirmed name (".xml" added when it has
// no extension) and, for an existing file, a Yes to the overwrite question, writes the file.
// Returns true when a file was written. Errors while reading the table files or writing the file
// are thrown to the caller (the application shows them); nothing is written then.
bool Create_ESI_File(ui::TSaveDialog& SaveESI);

}  // namespace core
