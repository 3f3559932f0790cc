#pragma once

#include <QString>

// What is wrong in a program, where: the sentence a child reads and the stretch of text it is
// about (a character offset into the text and a length; 0 for a place only).
struct ProgramMistake {
    QString Sentence;
    int Offset = 0;
    int Length = 0;
};

// What a command's number counts, for asking for it.
enum class AmountKind { Steps, Degrees, Size, Colour, Width, Mode, Times, Place };

// The sentences, in the program's language.
namespace MistakeSentence {
QString UnknownWord(const QString& word);
QString UnknownWordNear(const QString& word, const QString& nearest);
// A command's amount missing or no whole number; `example` shows the command written well.
QString MissingAmount(AmountKind kind, const QString& word, const QString& example);
QString AmountOutOfRange(const QString& word, const QString& amount, int low, int high);
QString MissingOpen(const QString& word, const QString& example);
QString MissingClose();
QString StrayClose();
QString StrayOpen();
QString LoneNumber(const QString& number, const QString& example);
QString EmptyDefinition(const QString& name);
QString MissingEnd(const QString& name, const QString& endWord);
QString StrayEnd(const QString& word);
QString MissingName(const QString& word);
QString BadName(const QString& name);
QString WordAsName(const QString& name);
QString NestedDefinition(const QString& word);
QString TooDeep(int deepest);
QString TooLong(const QString& name, int longest);
QString CallsItself(const QString& name);
QString NotText();
} // namespace MistakeSentence
