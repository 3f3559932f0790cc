#include "program/ProgramReader.h"

#include "program/ProgramNumbers.h"

#include "storage/OwnCommandCodec.h"
#include "turtle/SheetCanvas.h"
#include "turtle/SheetColors.h"
#include "turtle/TurtleState.h"

#include <QHash>
#include <QLocale>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <map>

namespace {

struct Token {
    QStringView text;
    int offset = 0;
};

bool IsBracket(QChar c)
{
    return c == u'[' || c == u']';
}

// Control characters and what could not be read as text: no program holds them.
bool NotText(QChar c)
{
    return (c.category() == QChar::Other_Control && !c.isSpace()) || c == QChar::ReplacementCharacter
           || c.isSurrogate();
}

// Splits the text into words, numbers and brackets; `;` starts a note that runs to the line's end.
// False, with where, at a character no program holds.
bool Split(QStringView text, std::vector<Token>& tokens, int& badAt)
{
    const qsizetype size = text.size();
    for (qsizetype at = 0; at < size;) {
        const QChar c = text[at];
        if (c == u';') {
            while (at < size && text[at] != u'\n')
                ++at;
        } else if (c.isSpace()) {
            ++at;
        } else if (IsBracket(c)) {
            tokens.push_back({text.mid(at, 1), static_cast<int>(at)});
            ++at;
        } else {
            const qsizetype first = at;
            for (; at < size && !text[at].isSpace() && !IsBracket(text[at]) && text[at] != u';'; ++at)
                if (NotText(text[at])) {
                    badAt = static_cast<int>(at);
                    return false;
                }
            tokens.push_back({text.mid(first, at - first), static_cast<int>(first)});
        }
    }
    return true;
}

// A whole number, or none; one too long to hold is kept as far too big.
std::optional<std::int64_t> WholeNumber(QStringView token)
{
    constexpr std::int64_t kFarTooBig = 1'000'000'000'000;
    const bool negative = token.startsWith(u'-');
    const QStringView digits = negative ? token.mid(1) : token;
    if (digits.isEmpty())
        return std::nullopt;
    std::int64_t value = 0;
    for (const QChar c : digits) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
        value = std::min(value * 10 + (c.unicode() - u'0'), kFarTooBig);
    }
    return negative ? -value : value;
}

// What a command's number is and how far it goes.
struct AmountRule {
    AmountKind kind;
    int low;
    int high;
    int example;
};

std::optional<AmountRule> RuleOf(ProgramWord word)
{
    switch (word) {
    case ProgramWord::Forward:
    case ProgramWord::Backward: return AmountRule{AmountKind::Steps, 0, kMaxWrittenMove, 50};
    case ProgramWord::Right:
    case ProgramWord::Left: return AmountRule{AmountKind::Degrees, 0, kMaxWrittenTurn, 90};
    case ProgramWord::Circle: return AmountRule{AmountKind::Size, 0, kMaxWrittenCircle, 30};
    case ProgramWord::Square: return AmountRule{AmountKind::Size, 0, kMaxWrittenSquare, 50};
    case ProgramWord::Color: return AmountRule{AmountKind::Colour, 0, kColorCount - 1, 4};
    case ProgramWord::Background: return AmountRule{AmountKind::Colour, 0, kColorCount - 1, 7};
    case ProgramWord::Width: return AmountRule{AmountKind::Width, 1, SheetCanvas::kMaxPenWidth, 2};
    case ProgramWord::Mode: return AmountRule{AmountKind::Mode, 0, 2, 0};
    case ProgramWord::Repeat: return AmountRule{AmountKind::Times, 1, kMaxRepeatTimes, 4};
    default: return std::nullopt;
    }
}

RecordOp OpOf(ProgramWord word)
{
    switch (word) {
    case ProgramWord::Forward: return RecordOp::Forward;
    case ProgramWord::Backward: return RecordOp::Backward;
    case ProgramWord::Right: return RecordOp::Right;
    case ProgramWord::Left: return RecordOp::Left;
    case ProgramWord::Circle: return RecordOp::Circle;
    case ProgramWord::Square: return RecordOp::Square;
    case ProgramWord::PenUp: return RecordOp::PenUp;
    case ProgramWord::PenDown: return RecordOp::PenDown;
    case ProgramWord::Color: return RecordOp::PenColor;
    case ProgramWord::Width: return RecordOp::PenWidth;
    case ProgramWord::Mode: return RecordOp::PenMode;
    case ProgramWord::Background: return RecordOp::Background;
    case ProgramWord::Fill: return RecordOp::Fill;
    case ProgramWord::Clear: return RecordOp::Clear;
    case ProgramWord::Home: return RecordOp::Home;
    case ProgramWord::Place: return RecordOp::Place;
    case ProgramWord::Repeat: return RecordOp::Repeat;
    case ProgramWord::To:
    case ProgramWord::End: break;
    }
    return RecordOp::Snapshot;
}

enum class Closing { None, Bracket, End };

class Reader {
public:
    Reader(QStringView text, const DrawingRecord::CommandList& known, ProgramLanguage language)
        : text_(text), known_(known), language_(language)
    {
    }

    ProgramReading Read()
    {
        int badAt = 0;
        if (!Split(text_, tokens_, badAt)) {
            reading_.Mistake = ProgramMistake{MistakeSentence::NotText(), badAt, 1};
            return std::move(reading_);
        }
        FindDefinitions();
        std::vector<RecordEntry> entries;
        ReadSequence(entries, &reading_.EntryOffsets, Closing::None, 0, 0);
        if (reading_.Mistake) {
            reading_.EntryOffsets.clear();
            return std::move(reading_);
        }
        reading_.Entries = std::move(entries);
        for (const auto& [offset, name] : definitionOrder_)
            if (const OwnCommandPtr& command = definitions_[name].command)
                reading_.Definitions.push_back(command);
        return std::move(reading_);
    }

private:
    struct Definition {
        std::size_t body = 0; // the token after the name
        int offset = 0;       // where its first word stands
        OwnCommandPtr command;
        bool reading = false;
    };

    QString Word(ProgramWord word) const { return WrittenWord(word, language_); }

    // The limit a command's steps go past, of those a notebook keeps: so many written, and so
    // many walked in one run; 0 when they fit.
    static std::uint64_t LimitPassed(const OwnCommand& command)
    {
        if (command.Steps.Size() > kMaxOwnSteps)
            return kMaxOwnSteps;
        return StepsOf(command, kMaxCommandSteps + 1) > kMaxCommandSteps ? kMaxCommandSteps : 0;
    }

    bool Fail(const QString& sentence, const Token& from, const Token* to = nullptr)
    {
        if (!reading_.Mistake) {
            const int end = (to ? to->offset + static_cast<int>(to->text.size()) : from.offset + static_cast<int>(from.text.size()));
            reading_.Mistake = ProgramMistake{sentence, from.offset, end - from.offset};
        }
        return false;
    }

    // Knows every name the text defines before reading a step, so that a step may come before
    // the definition of the command it names.
    void FindDefinitions()
    {
        for (std::size_t at = 0; at + 1 < tokens_.size(); ++at) {
            if (WordOf(tokens_[at].text) != ProgramWord::To)
                continue;
            const QString key = FoldedWord(NameFromWord(tokens_[at + 1].text));
            if (!definitions_.contains(key))
                definitionOrder_.emplace(tokens_[at].offset, key);
            // A name defined twice means its last definition.
            definitions_[key] = Definition{at + 2, tokens_[at].offset, nullptr, false};
        }
    }

    // Reads steps until the sequence closes; `level`: how many commands it stands within.
    bool ReadSequence(std::vector<RecordEntry>& entries, std::vector<int>* offsets, Closing closing,
                      int level, int openedAt)
    {
        while (!reading_.Mistake) {
            if (next_ == tokens_.size())
                return Unclosed(closing, openedAt);
            const Token token = tokens_[next_];
            if (token.text == u"]") {
                ++next_;
                return closing == Closing::Bracket || Fail(MistakeSentence::StrayClose(), token);
            }
            if (WordOf(token.text) == ProgramWord::End) {
                ++next_;
                return closing == Closing::End || Fail(MistakeSentence::StrayEnd(token.text.toString()), token);
            }
            if (WordOf(token.text) == ProgramWord::To) {
                if (closing != Closing::None)
                    return Fail(MistakeSentence::NestedDefinition(token.text.toString()), token);
                if (!ReadDefinitionAt(next_))
                    return false;
                continue;
            }
            RecordEntry entry;
            if (!ReadStep(entry, level))
                return false;
            // An empty repetition repeats nothing.
            if (entry.Op == RecordOp::Repeat && !entry.Command)
                continue;
            entries.push_back(std::move(entry));
            if (offsets)
                offsets->push_back(token.offset);
        }
        return false;
    }

    bool Unclosed(Closing closing, int openedAt)
    {
        const Token opened{text_.mid(openedAt, 1), openedAt};
        switch (closing) {
        case Closing::None: return true;
        case Closing::Bracket: return Fail(MistakeSentence::MissingClose(), opened);
        case Closing::End: {
            const Token to = tokens_[static_cast<std::size_t>(openedDefinition_)];
            const Token name = tokens_[static_cast<std::size_t>(openedDefinition_) + 1];
            return Fail(MistakeSentence::MissingEnd(NameFromWord(name.text), Word(ProgramWord::End)), to, &name);
        }
        }
        return false;
    }

    bool ReadStep(RecordEntry& entry, int level)
    {
        const Token token = tokens_[next_++];
        if (token.text == u"[")
            return Fail(MistakeSentence::StrayOpen(), token);
        if (WholeNumber(token.text))
            return Fail(MistakeSentence::LoneNumber(token.text.toString(), Word(ProgramWord::Forward) + QStringLiteral(" 50")), token);
        const std::optional<ProgramWord> word = WordOf(token.text);
        if (!word)
            return ReadRun(entry, token, level);
        entry = EntryOf(OpOf(*word));
        if (*word == ProgramWord::Place)
            return ReadPlace(entry, token);
        const std::optional<AmountRule> rule = RuleOf(*word);
        if (!rule)
            return true;
        const QString example = *word == ProgramWord::Repeat
                                    ? QStringLiteral("%1 4 [%2 50 %3 90]").arg(Word(ProgramWord::Repeat), Word(ProgramWord::Forward), Word(ProgramWord::Right))
                                    : QStringLiteral("%1 %2").arg(token.text.toString()).arg(rule->example);
        if (!ReadAmount(entry.Amount, *rule, token, example))
            return false;
        if (*word == ProgramWord::Color || *word == ProgramWord::Background)
            entry.Amount = CellToColor(entry.Amount);
        if (*word == ProgramWord::Repeat)
            return ReadRepeated(entry, token, level, example);
        return true;
    }

    bool ReadAmount(std::int32_t& amount, const AmountRule& rule, const Token& command, const QString& example)
    {
        const Token* given = next_ < tokens_.size() ? &tokens_[next_] : nullptr;
        const std::optional<std::int64_t> number = given ? WholeNumber(given->text) : std::nullopt;
        if (!number)
            return Fail(MistakeSentence::MissingAmount(rule.kind, command.text.toString(), example), command, given);
        ++next_;
        if (*number < rule.low || *number > rule.high)
            return Fail(MistakeSentence::AmountOutOfRange(command.text.toString(), given->text.toString(), rule.low, rule.high),
                        command, given);
        amount = static_cast<std::int32_t>(*number);
        return true;
    }

    bool ReadPlace(RecordEntry& entry, const Token& command)
    {
        const QString example = command.text.toString() + QStringLiteral(" 0 0 90");
        std::array<double, 3> values{};
        for (std::size_t i = 0; i < values.size(); ++i) {
            const Token* given = next_ < tokens_.size() ? &tokens_[next_] : nullptr;
            bool ok = false;
            values[i] = given ? QLocale::c().toDouble(given->text, &ok) : 0.0;
            if (!ok || !std::isfinite(values[i]))
                return Fail(MistakeSentence::MissingAmount(AmountKind::Place, command.text.toString(), example), command, given);
            ++next_;
            const double limit = i < 2 ? kSheetEdge : kMaxWrittenTurn;
            if (std::abs(values[i]) > limit)
                return Fail(MistakeSentence::AmountOutOfRange(command.text.toString(), given->text.toString(),
                                                              -static_cast<int>(limit), static_cast<int>(limit)),
                            command, given);
        }
        entry.X = values[0];
        entry.Y = values[1];
        entry.Heading = RadiansOf(values[2]);
        return true;
    }

    bool ReadRepeated(RecordEntry& entry, const Token& command, int level, const QString& example)
    {
        if (next_ == tokens_.size() || tokens_[next_].text != u"[")
            return Fail(MistakeSentence::MissingOpen(command.text.toString(), example), command,
                        next_ < tokens_.size() ? &tokens_[next_] : nullptr);
        const Token open = tokens_[next_++];
        if (level + 1 > kMaxNestedDepth)
            return Fail(MistakeSentence::TooDeep(kMaxNestedDepth), open);
        std::vector<RecordEntry> steps;
        if (!ReadSequence(steps, nullptr, Closing::Bracket, level + 1, open.offset))
            return false;
        if (steps.empty())
            return true;
        auto body = std::make_shared<OwnCommand>();
        body->Steps = DrawingRecord::Of(steps);
        if (const std::uint64_t limit = LimitPassed(*body))
            return Fail(MistakeSentence::TooLong(command.text.toString(), static_cast<int>(limit)), command);
        entry.Command = std::move(body);
        return true;
    }

    // A step naming an own command, with how many times it runs.
    bool ReadRun(RecordEntry& entry, const Token& token, int level)
    {
        const QString key = FoldedWord(NameFromWord(token.text));
        OwnCommandPtr command;
        if (const auto defined = definitions_.find(key); defined != definitions_.end()) {
            if (!ReadDefinition(*defined, level))
                return false;
            command = defined->command;
        } else {
            command = Known(key);
            if (!command)
                return Unknown(token);
        }
        if (DepthOf(*command) + level > kMaxNestedDepth)
            return Fail(MistakeSentence::TooDeep(kMaxNestedDepth), token);
        std::int32_t times = 1;
        if (next_ < tokens_.size() && WholeNumber(tokens_[next_].text)) {
            const QString example = QStringLiteral("%1 3").arg(token.text.toString());
            if (!ReadAmount(times, AmountRule{AmountKind::Times, 1, kMaxOwnTimes, 3}, token, example))
                return false;
        }
        entry = RunOf(std::move(command), times);
        return true;
    }

    // The known command of a folded name, or none.
    OwnCommandPtr Known(const QString& key) const
    {
        const auto known = std::ranges::find_if(known_, [&](const OwnCommandPtr& c) { return FoldedWord(c->Name) == key; });
        return known != known_.end() ? *known : nullptr;
    }

    bool Unknown(const Token& token)
    {
        QStringList candidates = WrittenWords(language_);
        for (const OwnCommandPtr& command : known_)
            candidates << WrittenName(command->Name);
        for (const auto& [offset, key] : definitionOrder_)
            candidates << tokens_[definitions_[key].body - 1].text.toString();
        const QString word = token.text.toString();
        const std::optional<QString> nearest = Nearest(token.text, candidates);
        return Fail(nearest ? MistakeSentence::UnknownWordNear(word, *nearest) : MistakeSentence::UnknownWord(word), token);
    }

    // Reads the definition starting at token `at` where the text has it, and steps past it.
    bool ReadDefinitionAt(std::size_t at)
    {
        const Token to = tokens_[at];
        if (at + 1 == tokens_.size() || WholeNumber(tokens_[at + 1].text) || IsBracket(tokens_[at + 1].text.front()))
            return Fail(MistakeSentence::MissingName(to.text.toString()), to);
        const QString key = FoldedWord(NameFromWord(tokens_[at + 1].text));
        Definition& definition = definitions_[key];
        // An earlier definition of a name defined again is read for its mistakes, then dropped.
        Definition earlier{at + 2, to.offset, nullptr, false};
        if (!ReadDefinition(definition.body == at + 2 ? definition : earlier, 0))
            return false;
        next_ = at + 2;
        SkipDefinitionBody();
        return true;
    }

    // Steps past the body of a definition read before.
    void SkipDefinitionBody()
    {
        while (next_ < tokens_.size() && WordOf(tokens_[next_++].text) != ProgramWord::End) {
        }
    }

    bool ReadDefinition(Definition& definition, int level)
    {
        if (definition.command)
            return true;
        const Token to = tokens_[definition.body - 2];
        const Token nameToken = tokens_[definition.body - 1];
        const QString name = NameFromWord(nameToken.text);
        if (definition.reading)
            return Fail(MistakeSentence::CallsItself(name), nameToken);
        if (WordOf(nameToken.text))
            return Fail(MistakeSentence::WordAsName(nameToken.text.toString()), nameToken);
        if (!OwnNameFits(name))
            return Fail(MistakeSentence::BadName(nameToken.text.toString()), nameToken);
        if (level + 1 > kMaxNestedDepth)
            return Fail(MistakeSentence::TooDeep(kMaxNestedDepth), nameToken);
        definition.reading = true;
        const std::size_t resume = next_;
        const int wasOpened = openedDefinition_;
        next_ = definition.body;
        openedDefinition_ = static_cast<int>(definition.body - 2);
        std::vector<RecordEntry> steps;
        const bool read = ReadSequence(steps, nullptr, Closing::End, level + 1, to.offset);
        next_ = resume;
        openedDefinition_ = wasOpened;
        definition.reading = false;
        if (!read)
            return false;
        if (steps.empty())
            return Fail(MistakeSentence::EmptyDefinition(name), to, &nameToken);
        auto command = std::make_shared<OwnCommand>();
        command->Name = name;
        const OwnCommandPtr known = Known(FoldedWord(name));
        command->Picture = known ? known->Picture : 0;
        command->Steps = DrawingRecord::Of(steps);
        if (const std::uint64_t limit = LimitPassed(*command))
            return Fail(MistakeSentence::TooLong(name, static_cast<int>(limit)), to, &nameToken);
        definition.command = std::move(command);
        return true;
    }

    QStringView text_;
    const DrawingRecord::CommandList& known_;
    ProgramLanguage language_;
    std::vector<Token> tokens_;
    std::size_t next_ = 0;
    // The `oto` token of the definition being read; -1 for none.
    int openedDefinition_ = -1;
    QHash<QString, Definition> definitions_;
    // The names defined, where the text first defines them.
    std::map<int, QString> definitionOrder_;
    ProgramReading reading_;
};

} // namespace

ProgramReading ReadProgram(QStringView text, const DrawingRecord::CommandList& known, ProgramLanguage language)
{
    return Reader(text, known, language).Read();
}

QString WrittenName(const QString& name)
{
    QString word = name;
    return word.replace(u' ', u'_');
}

QString NameFromWord(QStringView word)
{
    return word.toString().replace(u'_', u' ');
}
