#include "dialogs/RecordTexts.h"

#include "storage/OwnCommand.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

RecordEntry Stopped(RecordOp op, int amount, std::uint32_t slices)
{
    RecordEntry entry = EntryOf(op, amount);
    entry.StoppedAfter = slices;
    return entry;
}

TEST(RecordTexts, TellTheTurtleDialogAndAStoppedWalkAsTheyWere)
{
    const std::pair<RecordEntry, const char*> cases[] = {
        {EntryOf(RecordOp::Forward, 100), "Naprzód 100"},
        {Stopped(RecordOp::Forward, 100, 12), "Naprzód 100 – zatrzymany"},
        {Stopped(RecordOp::Circle, 50, 1), "Okrąg 50 – zatrzymany"},
        {EntryOf(RecordOp::Place), "Ustawienie żółwia"},
        // "polecenie" is neuter.
        {[] {
             auto command = std::make_shared<OwnCommand>();
             command->Name = QStringLiteral("Bok");
             RecordEntry run = RunOf(command, 3);
             run.StoppedAfter = 5;
             return run;
         }(),
         "Bok × 3 – zatrzymane"},
    };
    for (const auto& [entry, text] : cases)
        EXPECT_EQ(RecordEntryText(entry), QString::fromUtf8(text));
}

} // namespace
