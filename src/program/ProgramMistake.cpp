#include "program/ProgramMistake.h"

#include <QCoreApplication>

namespace {

// The context this file's texts are translated in.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(ProgramMistake)
};

} // namespace

namespace MistakeSentence {

QString UnknownWord(const QString& word)
{
    return Texts::tr("Żółw nie zna słowa „%1”.").arg(word);
}

QString UnknownWordNear(const QString& word, const QString& nearest)
{
    return Texts::tr("Żółw nie zna słowa „%1”. Może chodziło o „%2”?").arg(word, nearest);
}

QString MissingAmount(AmountKind kind, const QString& word, const QString& example)
{
    switch (kind) {
    case AmountKind::Steps: return Texts::tr("Po „%1” napisz, ile kroków, np. %2.").arg(word, example);
    case AmountKind::Degrees: return Texts::tr("Po „%1” napisz, o ile stopni, np. %2.").arg(word, example);
    case AmountKind::Size: return Texts::tr("Po „%1” napisz, jak duży, np. %2.").arg(word, example);
    case AmountKind::Colour: return Texts::tr("Po „%1” napisz numer koloru od 0 do 15, np. %2.").arg(word, example);
    case AmountKind::Width: return Texts::tr("Po „%1” napisz, jak gruby pisak, np. %2.").arg(word, example);
    case AmountKind::Mode: return Texts::tr("Po „%1” napisz 0 (rysuje), 1 (zmazuje) lub 2 (odwraca), np. %2.").arg(word, example);
    case AmountKind::Times: return Texts::tr("Po „%1” napisz, ile razy, np. %2.").arg(word, example);
    case AmountKind::Place: return Texts::tr("Po „%1” napisz X, Y i kierunek, np. %2.").arg(word, example);
    }
    return {};
}

QString AmountOutOfRange(const QString& word, const QString& amount, int low, int high)
{
    return Texts::tr("Po „%1” może stać liczba od %2 do %3, a nie %4.").arg(word).arg(low).arg(high).arg(amount);
}

QString MissingOpen(const QString& word, const QString& example)
{
    return Texts::tr("Po „%1” i liczbie napisz w nawiasach „[ ]”, co powtarzać, np. %2.").arg(word, example);
}

QString MissingClose()
{
    return Texts::tr("Brakuje „]”: każdy nawias „[” trzeba zamknąć.");
}

QString StrayClose()
{
    return Texts::tr("Jest „]”, ale nie ma przed nim „[”.");
}

QString StrayOpen()
{
    return Texts::tr("Nawias „[” stoi tu bez „powtórz” i liczby przed nim.");
}

QString LoneNumber(const QString& number, const QString& example)
{
    return Texts::tr("Liczba %1 stoi tu sama: napisz przed nią polecenie, np. %2.").arg(number, example);
}

QString EmptyDefinition(const QString& name)
{
    return Texts::tr("Polecenie „%1” nie ma jeszcze kroków: napisz je przed końcem.").arg(name);
}

QString MissingEnd(const QString& name, const QString& endWord)
{
    return Texts::tr("Brakuje „%2” na końcu polecenia „%1”.").arg(name, endWord);
}

QString StrayEnd(const QString& word)
{
    return Texts::tr("Jest „%1”, ale żadne polecenie się tu nie zaczęło.").arg(word);
}

QString MissingName(const QString& word)
{
    return Texts::tr("Po „%1” napisz nazwę nowego polecenia, np. %1 Bok.").arg(word);
}

QString BadName(const QString& name)
{
    return Texts::tr("Nazwa „%1” nie pasuje: polecenie nazywa się literami i cyframi, najwyżej 16 znaków.").arg(name);
}

QString WordAsName(const QString& name)
{
    return Texts::tr("„%1” to słowo żółwia: nowe polecenie musi mieć inną nazwę.").arg(name);
}

QString NestedDefinition(const QString& word)
{
    return Texts::tr("„%1” można napisać tylko poza innymi poleceniami i nawiasami.").arg(word);
}

QString TooDeep(int deepest)
{
    return Texts::tr("Za dużo poleceń jedno w drugim: najwyżej %1.").arg(deepest);
}

QString TooLong(const QString& name, int longest)
{
    return Texts::tr("Polecenie „%1” ma za dużo kroków: najwyżej %2.").arg(name).arg(longest);
}

QString CallsItself(const QString& name)
{
    return Texts::tr("Polecenie „%1” wywołuje samo siebie, a tego żółw jeszcze nie umie.").arg(name);
}

QString NotText()
{
    return Texts::tr("To nie jest program żółwia: są tu znaki, których żółw nie czyta.");
}

} // namespace MistakeSentence
