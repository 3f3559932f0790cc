#pragma once

#include <QString>

#include <cstddef>
#include <cstdint>

// The readers that take a file name read the fuzzer's input from a file of this process's own
// temporary folder, made on first use and removed when the process ends.

// Writes the input to the file `name` in that folder, replacing what the input before left there,
// and returns its path. Aborts when the file cannot be written: a run that fed nothing would pass.
QString WriteInput(const QString& name, const std::uint8_t* data, std::size_t size);
