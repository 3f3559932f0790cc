#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>

// The words a program is written in. Each has one written form per language, the one the
// program writes, and may be read in other forms too (school Logo's short ones).
enum class ProgramWord {
    Forward,
    Backward,
    Right,
    Left,
    Circle,
    Square,
    PenUp,
    PenDown,
    Color,
    Width,
    Mode,
    Background,
    Fill,
    Clear,
    Home,
    Place,
    Repeat,
    To,
    End,
};

enum class ProgramLanguage { Polish, English };

// The word as the program writes it in `language`.
QString WrittenWord(ProgramWord word, ProgramLanguage language);
// The word a token is, in either language or a short form, letter case and Polish marks aside.
std::optional<ProgramWord> WordOf(QStringView token);
// Every word as the program writes it in `language`.
QStringList WrittenWords(ProgramLanguage language);
// The candidate nearest to a token a child may have misspelt, when one is near enough to be meant.
std::optional<QString> Nearest(QStringView token, const QStringList& candidates);
// How far apart two words are: the letters to add, drop or change to make one the other.
int WordDistance(QStringView a, QStringView b);
// A token folded for comparing: lower case, Polish marks taken off.
QString FoldedWord(QStringView token);
