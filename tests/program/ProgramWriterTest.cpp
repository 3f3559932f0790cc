#include "program/ProgramReader.h"
#include "program/ProgramWriter.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// A page's record with the steps of a program after its start.
DrawingRecord RecordOf(const ProgramReading& read)
{
    DrawingRecord record = DrawingRecord::Of({EntryOf(RecordOp::Start, 8)});
    for (const RecordEntry& entry : read.Entries)
        record.Append(entry);
    return record;
}

struct RoundTrip {
    const char* name;
    ProgramLanguage language;
    const char* text;
};

const RoundTrip kRoundTrips[] = {
    {"every_word_in_polish", ProgramLanguage::Polish,
     "naprzód 100\nwstecz 5\nprawo 90\nlewo 45\nokrąg 50\nkwadrat 30\npodnieś\nopuść\nkolor 4\ngrubość 3\ntryb 1\n"
     "wypełnij\nwyczyść\ntło 0\nwróć\nustaw 12.5 -3 90\n"},
    {"every_word_in_english", ProgramLanguage::English,
     "forward 1000\nback 5\nright 36000\nleft 45\ncircle 127\nsquare 254\npenup\npendown\ncolor 15\nwidth 8\nmode 2\n"
     "fill\nclear\nbackground 7\nhome\nplace 0 0 0.1\n"},
    {"repetitions", ProgramLanguage::Polish, "powtórz 4 [naprzód 50 prawo 90]\npowtórz 3 [powtórz 2 [lewo 1] kolor 2]\n"},
    {"own_commands_defined_above_their_runs", ProgramLanguage::Polish,
     "oto Bok\n  naprzód 50\n  prawo 90\njuż\n\noto Mój_dom\n  powtórz 4 [Bok]\n  Bok 2\njuż\n\nMój_dom\nBok 3\n"},
    {"own_commands_in_english", ProgramLanguage::English, "to Side\n  forward 5\nend\n\nrepeat 2 [Side 4]\n"},
};

class WrittenBack : public ::testing::TestWithParam<RoundTrip> {};

TEST_P(WrittenBack, TextAsTheProgramWritesItReadsIntoARecordThatWritesTheSameText)
{
    const QString text = QString::fromUtf8(GetParam().text);
    const ProgramReading read = ReadProgram(text, {}, GetParam().language);
    ASSERT_FALSE(read.Mistake) << read.Mistake->Sentence.toStdString();
    EXPECT_EQ(WriteProgram(RecordOf(read), GetParam().language).toStdString(), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Table, WrittenBack, ::testing::ValuesIn(kRoundTrips),
                         [](const auto& param) { return std::string(param.param.name); });

TEST(Writing, TranslatesShortFormsAndTheOtherLanguageIntoTheProgramsWords)
{
    const ProgramReading read = ReadProgram(u"repeat 4 [np 50 rt 90] pd", {}, ProgramLanguage::Polish);
    ASSERT_FALSE(read.Mistake);
    EXPECT_EQ(WriteProgram(RecordOf(read), ProgramLanguage::Polish), QStringLiteral("powtórz 4 [naprzód 50 prawo 90]\nopuść\n"));
}

TEST(Writing, TellsWhatNoWordRedoesAsNotesTheReaderPassesOver)
{
    RecordEntry stopped = EntryOf(RecordOp::Forward, 80);
    stopped.StoppedAfter = 12;
    const DrawingRecord record = DrawingRecord::Of({EntryOf(RecordOp::Start, 8), EntryOf(RecordOp::Snapshot, 3), stopped});
    const QString text = WriteProgram(record, ProgramLanguage::Polish);
    EXPECT_EQ(text, QStringLiteral("; zmiana całej strony\nnaprzód 80 ; zatrzymany\n"));
    const ProgramReading read = ReadProgram(text, {}, ProgramLanguage::Polish);
    ASSERT_FALSE(read.Mistake);
    ASSERT_EQ(read.Entries.size(), 1u);
    EXPECT_EQ(read.Entries[0].Op, RecordOp::Forward);
}

} // namespace
