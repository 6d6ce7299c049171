#pragma once

// Start-up of the utility routines, run before any form exists: the message dialog's first page
// from the installed fonts, the desktop's beep, and plain message boxes shown as real boxes.
void InitializeUtilities();
