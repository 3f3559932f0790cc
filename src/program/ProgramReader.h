#pragma once

#include "program/ProgramMistake.h"
#include "program/ProgramWords.h"
#include "storage/DrawingRecord.h"
#include "storage/OwnCommand.h"

#include <QString>
#include <QStringView>

#include <optional>
#include <vector>

// A program read: the steps to walk, where each starts in the text, the own commands its
// `oto … już` parts define, and the first mistake, if any (then nothing is to run).
struct ProgramReading {
    std::vector<RecordEntry> Entries;
    std::vector<int> EntryOffsets;
    std::vector<OwnCommandPtr> Definitions;
    std::optional<ProgramMistake> Mistake;
};

// Reads a program written in the words of either language or school Logo's short forms.
// `known`: the own commands a step may name, besides those the text defines. `language` is
// the one nearest words and examples are given in.
ProgramReading ReadProgram(QStringView text, const DrawingRecord::CommandList& known, ProgramLanguage language);

// How a name of an own command is written as one word, and read back.
QString WrittenName(const QString& name);
QString NameFromWord(QStringView word);
