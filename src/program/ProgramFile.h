#pragma once

#include <QString>

// A program's text as a file: UTF-8 text, as teachers hand programs out and other programs save
// them.
struct ProgramFileText {
    QString Text;
    // Why the file holds no program's text, in a sentence; empty when it was read.
    QString Problem;
};

// The most bytes a program's file may have; a program of that size is far past what a child
// writes, and the pane would be slow with more.
inline constexpr qint64 kMaxProgramFileBytes = 4 * 1024 * 1024;

ProgramFileText ReadProgramFile(const QString& path);
// Writes the text whole or leaves the file as it was; empty when written, else a sentence why not.
QString WriteProgramFile(const QString& path, const QString& text);
