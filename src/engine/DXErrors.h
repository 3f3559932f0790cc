#pragma once

#include "ErrorText.h"
#include "win/Types.h"

// Passes the results that count as success (0, 1, 2, 3, 4, 8, 12) and answers 0 for them. Any
// other result is shown in a Retry/Cancel box with its text; Cancel asks the program to quit.
// The failing result is returned.
win::HRESULT CheckDXResult(win::HRESULT value);
