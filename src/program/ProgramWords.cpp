#include "program/ProgramWords.h"

#include <QHash>

#include <algorithm>
#include <array>
#include <vector>

namespace {

struct WordForms {
    ProgramWord word;
    const char16_t* polish;
    const char16_t* english;
    // Other forms read as the word, space-separated: school Logo's short forms and spellings.
    const char16_t* others;
};

// One written word per command: the panel's own where it is one word, school Logo's otherwise.
constexpr std::array kWords = {
    WordForms{ProgramWord::Forward, u"naprzód", u"forward", u"np fd"},
    WordForms{ProgramWord::Backward, u"wstecz", u"back", u"ws bk backward"},
    WordForms{ProgramWord::Right, u"prawo", u"right", u"pw rt"},
    WordForms{ProgramWord::Left, u"lewo", u"left", u"lw lt"},
    WordForms{ProgramWord::Circle, u"okrąg", u"circle", u""},
    WordForms{ProgramWord::Square, u"kwadrat", u"square", u""},
    WordForms{ProgramWord::PenUp, u"podnieś", u"penup", u"pod pu"},
    WordForms{ProgramWord::PenDown, u"opuść", u"pendown", u"opu pd"},
    WordForms{ProgramWord::Color, u"kolor", u"color", u"colour"},
    WordForms{ProgramWord::Width, u"grubość", u"width", u""},
    WordForms{ProgramWord::Mode, u"tryb", u"mode", u""},
    WordForms{ProgramWord::Background, u"tło", u"background", u""},
    WordForms{ProgramWord::Fill, u"wypełnij", u"fill", u""},
    WordForms{ProgramWord::Clear, u"wyczyść", u"clear", u"czyść cs"},
    WordForms{ProgramWord::Home, u"wróć", u"home", u""},
    WordForms{ProgramWord::Place, u"ustaw", u"place", u""},
    WordForms{ProgramWord::Repeat, u"powtórz", u"repeat", u""},
    WordForms{ProgramWord::To, u"oto", u"to", u""},
    WordForms{ProgramWord::End, u"już", u"end", u""},
};

const WordForms& FormsOf(ProgramWord word)
{
    return kWords[static_cast<std::size_t>(word)];
}

QHash<QString, ProgramWord> MakeLookup()
{
    QHash<QString, ProgramWord> lookup;
    for (const WordForms& forms : kWords) {
        lookup.insert(FoldedWord(QString::fromUtf16(forms.polish)), forms.word);
        lookup.insert(FoldedWord(QString::fromUtf16(forms.english)), forms.word);
        for (const QString& other : QString::fromUtf16(forms.others).split(u' ', Qt::SkipEmptyParts))
            lookup.insert(FoldedWord(other), forms.word);
    }
    return lookup;
}

char16_t Unmarked(char16_t c)
{
    switch (c) {
    case u'ą': return u'a';
    case u'ć': return u'c';
    case u'ę': return u'e';
    case u'ł': return u'l';
    case u'ń': return u'n';
    case u'ó': return u'o';
    case u'ś': return u's';
    case u'ź':
    case u'ż': return u'z';
    default: return c;
    }
}

} // namespace

QString WrittenWord(ProgramWord word, ProgramLanguage language)
{
    const WordForms& forms = FormsOf(word);
    return QString::fromUtf16(language == ProgramLanguage::Polish ? forms.polish : forms.english);
}

QStringList WrittenWords(ProgramLanguage language)
{
    QStringList words;
    for (const WordForms& forms : kWords)
        words << WrittenWord(forms.word, language);
    return words;
}

QString FoldedWord(QStringView token)
{
    QString folded = token.toString().toLower();
    for (QChar& c : folded)
        c = QChar(Unmarked(c.unicode()));
    return folded;
}

std::optional<ProgramWord> WordOf(QStringView token)
{
    static const QHash<QString, ProgramWord> lookup = MakeLookup();
    const auto found = lookup.constFind(FoldedWord(token));
    if (found == lookup.constEnd())
        return std::nullopt;
    return *found;
}

int WordDistance(QStringView a, QStringView b)
{
    std::vector<int> row(static_cast<std::size_t>(b.size()) + 1);
    for (std::size_t j = 0; j < row.size(); ++j)
        row[j] = static_cast<int>(j);
    for (qsizetype i = 1; i <= a.size(); ++i) {
        int diagonal = row[0];
        row[0] = static_cast<int>(i);
        for (qsizetype j = 1; j <= b.size(); ++j) {
            const auto at = static_cast<std::size_t>(j);
            const int replaced = diagonal + (a[i - 1] == b[j - 1] ? 0 : 1);
            diagonal = row[at];
            row[at] = std::min({row[at] + 1, row[at - 1] + 1, replaced});
        }
    }
    return row.back();
}

std::optional<QString> Nearest(QStringView token, const QStringList& candidates)
{
    // A long token is no misspelling of a short word; comparing it costs for nothing.
    constexpr qsizetype kLongestCompared = 40;
    if (token.size() > kLongestCompared)
        return std::nullopt;
    const QString folded = FoldedWord(token);
    std::optional<QString> best;
    int bestDistance = 0;
    for (const QString& candidate : candidates) {
        const int distance = WordDistance(folded, FoldedWord(candidate));
        // About one letter in three may be wrong, and never the whole word.
        const int allowed = std::max<int>(1, static_cast<int>(candidate.size()) / 3);
        if (distance <= allowed && distance < candidate.size() && (!best || distance < bestDistance)) {
            best = candidate;
            bestDistance = distance;
        }
    }
    return best;
}
