#include "program/ProgramWriter.h"

#include "program/ProgramNumbers.h"
#include "program/ProgramReader.h"
#include "storage/OwnCommand.h"
#include "turtle/SheetColors.h"

#include <QSet>

#include <vector>

namespace {

std::optional<ProgramWord> WordOfOp(RecordOp op)
{
    switch (op) {
    case RecordOp::Forward: return ProgramWord::Forward;
    case RecordOp::Backward: return ProgramWord::Backward;
    case RecordOp::Right: return ProgramWord::Right;
    case RecordOp::Left: return ProgramWord::Left;
    case RecordOp::Circle: return ProgramWord::Circle;
    case RecordOp::Square: return ProgramWord::Square;
    case RecordOp::Place: return ProgramWord::Place;
    case RecordOp::Home: return ProgramWord::Home;
    case RecordOp::Fill: return ProgramWord::Fill;
    case RecordOp::PenUp: return ProgramWord::PenUp;
    case RecordOp::PenDown: return ProgramWord::PenDown;
    case RecordOp::PenColor: return ProgramWord::Color;
    case RecordOp::PenWidth: return ProgramWord::Width;
    case RecordOp::PenMode: return ProgramWord::Mode;
    case RecordOp::Clear: return ProgramWord::Clear;
    case RecordOp::Background: return ProgramWord::Background;
    case RecordOp::Repeat: return ProgramWord::Repeat;
    case RecordOp::Start:
    case RecordOp::Snapshot:
    case RecordOp::Own: break;
    }
    return std::nullopt;
}

QString Note(ProgramLanguage language, const char16_t* polish, const char16_t* english)
{
    return QStringLiteral("; ") + QString::fromUtf16(language == ProgramLanguage::Polish ? polish : english);
}

void AppendStep(QString& out, const RecordEntry& entry, ProgramLanguage language)
{
    if (entry.Op == RecordOp::Snapshot || entry.Op == RecordOp::Start) {
        out += Note(language, u"zmiana całej strony", u"the whole page changed");
        return;
    }
    if (entry.Op == RecordOp::Own) {
        out += WrittenName(entry.Command ? entry.Command->Name : QString());
        if (entry.Amount != 1)
            out += u' ' + QString::number(entry.Amount);
    } else {
        out += WrittenWord(*WordOfOp(entry.Op), language);
    }
    switch (entry.Op) {
    case RecordOp::PenColor:
    case RecordOp::Background: out += u' ' + QString::number(ColorToCell(entry.Amount)); break;
    case RecordOp::Place:
        out += u' ' + ShortestNumber(entry.X) + u' ' + ShortestNumber(entry.Y) + u' ' + DegreesText(entry.Heading);
        break;
    case RecordOp::Repeat:
        out += u' ' + QString::number(entry.Amount) + QStringLiteral(" [");
        if (entry.Command)
            for (std::size_t i = 0; i < entry.Command->Steps.Size(); ++i) {
                if (i > 0)
                    out += u' ';
                AppendStep(out, entry.Command->Steps.HeadAt(i), language);
            }
        out += u']';
        break;
    case RecordOp::Forward:
    case RecordOp::Backward:
    case RecordOp::Right:
    case RecordOp::Left:
    case RecordOp::Circle:
    case RecordOp::Square:
    case RecordOp::PenWidth:
    case RecordOp::PenMode: out += u' ' + QString::number(entry.Amount); break;
    default: break;
    }
    if (entry.StoppedAfter != 0)
        out += u' ' + Note(language, u"zatrzymany", u"stopped");
}

// Collects the own commands a list of steps runs, each after those it runs itself.
class UsedCommands {
public:
    void Follow(const DrawingRecord& steps)
    {
        for (const OwnCommandPtr& command : steps.Commands()) {
            if (!command || seen_.contains(command.get()))
                continue;
            seen_.insert(command.get());
            Follow(command->Steps);
            // A name run in two forms is written once, in the form first used.
            if (!command->Name.isEmpty() && !names_.contains(FoldedWord(command->Name))) {
                names_.insert(FoldedWord(command->Name));
                commands_.push_back(command);
            }
        }
    }
    const std::vector<OwnCommandPtr>& Commands() const { return commands_; }

private:
    QSet<const OwnCommand*> seen_;
    QSet<QString> names_;
    std::vector<OwnCommandPtr> commands_;
};

} // namespace

QString StepLine(const RecordEntry& entry, ProgramLanguage language)
{
    QString line;
    AppendStep(line, entry, language);
    return line;
}

QString WriteProgram(const DrawingRecord& record, ProgramLanguage language)
{
    QString out;
    UsedCommands used;
    used.Follow(record);
    for (const OwnCommandPtr& command : used.Commands()) {
        out += WrittenWord(ProgramWord::To, language) + u' ' + WrittenName(command->Name) + u'\n';
        for (std::size_t i = 0; i < command->Steps.Size(); ++i) {
            out += QStringLiteral("  ");
            AppendStep(out, command->Steps.HeadAt(i), language);
            out += u'\n';
        }
        out += WrittenWord(ProgramWord::End, language) + QStringLiteral("\n\n");
    }
    for (std::size_t i = 0; i < record.Size(); ++i) {
        const RecordEntry entry = record.HeadAt(i);
        if (entry.Op == RecordOp::Start)
            continue;
        AppendStep(out, entry, language);
        out += u'\n';
    }
    return out;
}

QString WritePageProgram(const DrawingRecord& record, const TTurtleState& turtle, ProgramLanguage language)
{
    QString text = WriteProgram(record, language);
    DrawingRecord tools;
    AddToolEntries(tools, record.Tools(), turtle);
    for (std::size_t i = 0; i < tools.Size(); ++i)
        text += StepLine(tools.HeadAt(i), language) + u'\n';
    return text;
}
