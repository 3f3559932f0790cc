#pragma once

#include "win/Types.h"

#include <cstddef>

// The English text of a DirectX result, "Unrecognized error value." for one it does not know.
const char* ErrorText(win::HRESULT value);

// The values the text table knows, row by row (row below ErrorTextRowCount()), so that the table
// itself can be checked.
std::size_t ErrorTextRowCount();
win::HRESULT ErrorTextRowValue(std::size_t row);
