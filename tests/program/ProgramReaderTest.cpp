#include "program/ProgramReader.h"
#include "turtle/SheetColors.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// An entry as the table writes it: the kind, the amount, and the steps of a repetition or run.
struct Step {
    RecordOp op;
    int amount = 0;
    std::vector<Step> steps = {};
};

std::vector<Step> StepsOf(const DrawingRecord& record)
{
    std::vector<Step> steps;
    for (std::size_t i = 0; i < record.Size(); ++i) {
        const RecordEntry entry = record.HeadAt(i);
        steps.push_back({entry.Op, entry.Amount, entry.Command ? StepsOf(entry.Command->Steps) : std::vector<Step>{}});
    }
    return steps;
}

void ExpectSame(const std::vector<Step>& got, const std::vector<Step>& want)
{
    ASSERT_EQ(got.size(), want.size());
    for (std::size_t i = 0; i < got.size(); ++i) {
        EXPECT_EQ(got[i].op, want[i].op) << "step " << i;
        EXPECT_EQ(got[i].amount, want[i].amount) << "step " << i;
        ExpectSame(got[i].steps, want[i].steps);
    }
}

struct ReadCase {
    const char* name;
    const char* text;
    std::vector<Step> steps;
};

const ReadCase kReadCases[] = {
    {"polish_words", "naprzód 10\nwstecz 20\nprawo 30\nlewo 40\nokrąg 50\nkwadrat 60",
     {{RecordOp::Forward, 10}, {RecordOp::Backward, 20}, {RecordOp::Right, 30}, {RecordOp::Left, 40},
      {RecordOp::Circle, 50}, {RecordOp::Square, 60}}},
    {"english_words", "forward 10 back 20 right 30 left 40 circle 5 square 6",
     {{RecordOp::Forward, 10}, {RecordOp::Backward, 20}, {RecordOp::Right, 30}, {RecordOp::Left, 40},
      {RecordOp::Circle, 5}, {RecordOp::Square, 6}}},
    {"school_logo_short_forms", "np 1 ws 2 pw 3 lw 4 pod opu fd 5 bk 6 rt 7 lt 8 pu pd",
     {{RecordOp::Forward, 1}, {RecordOp::Backward, 2}, {RecordOp::Right, 3}, {RecordOp::Left, 4}, {RecordOp::PenUp},
      {RecordOp::PenDown}, {RecordOp::Forward, 5}, {RecordOp::Backward, 6}, {RecordOp::Right, 7}, {RecordOp::Left, 8},
      {RecordOp::PenUp}, {RecordOp::PenDown}}},
    {"case_and_marks_aside", "NAPRZOD 5 Wypelnij WRÓĆ",
     {{RecordOp::Forward, 5}, {RecordOp::Fill}, {RecordOp::Home}}},
    {"tools_in_the_panel_numbers", "kolor 4 grubość 3 tryb 2 tło 0 wyczyść czyść cs",
     {{RecordOp::PenColor, CellToColor(4)}, {RecordOp::PenWidth, 3}, {RecordOp::PenMode, 2},
      {RecordOp::Background, CellToColor(0)}, {RecordOp::Clear}, {RecordOp::Clear}, {RecordOp::Clear}}},
    {"amounts_past_the_track_bar", "np 1000 pw 36000 okrąg 127 kwadrat 254",
     {{RecordOp::Forward, 1000}, {RecordOp::Right, 36000}, {RecordOp::Circle, 127}, {RecordOp::Square, 254}}},
    {"repeat_kept_as_written", "powtórz 4 [np 50 pw 90]",
     {{RecordOp::Repeat, 4, {{RecordOp::Forward, 50}, {RecordOp::Right, 90}}}}},
    {"nested_repeat_with_brackets_touching", "repeat 3 [fd 10 repeat 2[rt 45]]",
     {{RecordOp::Repeat, 3, {{RecordOp::Forward, 10}, {RecordOp::Repeat, 2, {{RecordOp::Right, 45}}}}}}},
    {"empty_repeat_repeats_nothing", "powtórz 3 [] np 1", {{RecordOp::Forward, 1}}},
    {"definition_used_before_and_after",
     "Bok 2\noto Bok\n  np 50 pw 90\njuż\nbok",
     {{RecordOp::Own, 2, {{RecordOp::Forward, 50}, {RecordOp::Right, 90}}},
      {RecordOp::Own, 1, {{RecordOp::Forward, 50}, {RecordOp::Right, 90}}}}},
    {"definitions_calling_each_other_in_english", "to side fd 5 end\nto box repeat 4 [side rt 90] end\nbox",
     {{RecordOp::Own, 1, {{RecordOp::Repeat, 4, {{RecordOp::Own, 1, {{RecordOp::Forward, 5}}}, {RecordOp::Right, 90}}}}}}},
    {"name_with_a_space", "oto Mój_bok np 5 już Mój_bok",
     {{RecordOp::Own, 1, {{RecordOp::Forward, 5}}}}},
    {"notes_and_empty_lines", "; a square\n\nnp 5 ; forward\n", {{RecordOp::Forward, 5}}},
    {"nothing", "  \n\t", {}},
};

class Reading : public ::testing::TestWithParam<ReadCase> {};

TEST_P(Reading, GivesTheStepsOfTheText)
{
    const ProgramReading read = ReadProgram(QString::fromUtf8(GetParam().text), {}, ProgramLanguage::Polish);
    ASSERT_FALSE(read.Mistake) << read.Mistake->Sentence.toStdString();
    ExpectSame(StepsOf(DrawingRecord::Of(read.Entries)), GetParam().steps);
    EXPECT_EQ(read.EntryOffsets.size(), read.Entries.size());
}

INSTANTIATE_TEST_SUITE_P(Table, Reading, ::testing::ValuesIn(kReadCases),
                         [](const auto& param) { return std::string(param.param.name); });

struct MistakeCase {
    const char* name;
    const char* text;
    const char* sentence;
    const char* marked; // the text the mark covers
};

const MistakeCase kMistakeCases[] = {
    {"misspelt_word", "np 10\nnaprzud 50", "Żółw nie zna słowa „naprzud”. Może chodziło o „naprzód”?", "naprzud"},
    {"unknown_word", "skacz", "Żółw nie zna słowa „skacz”.", "skacz"},
    {"misspelt_own_command", "oto Gwiazda np 5 już gwiazdaa", "Żółw nie zna słowa „gwiazdaa”. Może chodziło o „Gwiazda”?",
     "gwiazdaa"},
    {"missing_steps", "naprzód", "Po „naprzód” napisz, ile kroków, np. naprzód 50.", "naprzód"},
    {"word_for_a_number", "naprzód pięć", "Po „naprzód” napisz, ile kroków, np. naprzód 50.", "naprzód pięć"},
    {"fraction", "np 2.5", "Po „np” napisz, ile kroków, np. np 50.", "np 2.5"},
    {"missing_degrees", "prawo", "Po „prawo” napisz, o ile stopni, np. prawo 90.", "prawo"},
    {"move_past_its_limit", "np 1001", "Po „np” może stać liczba od 0 do 1000, a nie 1001.", "np 1001"},
    {"huge_number", "np 99999999999999999999999", "Po „np” może stać liczba od 0 do 1000, a nie 99999999999999999999999.",
     "np 99999999999999999999999"},
    {"negative_move", "np -5", "Po „np” może stać liczba od 0 do 1000, a nie -5.", "np -5"},
    {"colour_past_the_strip", "kolor 16", "Po „kolor” może stać liczba od 0 do 15, a nie 16.", "kolor 16"},
    {"width_of_nought", "grubość 0", "Po „grubość” może stać liczba od 1 do 8, a nie 0.", "grubość 0"},
    {"open_without_close", "powtórz 4 [np 50 pw 90", "Brakuje „]”: każdy nawias „[” trzeba zamknąć.", "["},
    {"close_without_open", "np 5 ]", "Jest „]”, ale nie ma przed nim „[”.", "]"},
    {"open_without_repeat", "[np 5]", "Nawias „[” stoi tu bez „powtórz” i liczby przed nim.", "["},
    {"repeat_without_brackets", "powtórz 4 np 5",
     "Po „powtórz” i liczbie napisz w nawiasach „[ ]”, co powtarzać, np. powtórz 4 [naprzód 50 prawo 90].", "powtórz 4 np"},
    {"repeat_without_times", "powtórz [np 5]", "Po „powtórz” napisz, ile razy, np. powtórz 4 [naprzód 50 prawo 90].",
     "powtórz ["},
    {"lone_number", "np 5 5", "Liczba 5 stoi tu sama: napisz przed nią polecenie, np. naprzód 50.", "5"},
    {"definition_without_end", "oto Bok np 5", "Brakuje „już” na końcu polecenia „Bok”.", "oto Bok"},
    {"end_without_definition", "np 5 już", "Jest „już”, ale żadne polecenie się tu nie zaczęło.", "już"},
    {"definition_without_name", "oto", "Po „oto” napisz nazwę nowego polecenia, np. oto Bok.", "oto"},
    {"word_as_name", "oto np np 5 już", "„np” to słowo żółwia: nowe polecenie musi mieć inną nazwę.", "np"},
    {"name_too_long", "oto Bardzodlugienazwisko np 5 już",
     "Nazwa „Bardzodlugienazwisko” nie pasuje: polecenie nazywa się literami i cyframi, najwyżej 16 znaków.",
     "Bardzodlugienazwisko"},
    {"empty_definition", "oto Bok już", "Polecenie „Bok” nie ma jeszcze kroków: napisz je przed końcem.", "oto Bok"},
    {"definition_in_brackets", "powtórz 2 [oto Bok np 5 już]", "„oto” można napisać tylko poza innymi poleceniami i nawiasami.",
     "oto"},
    {"calls_itself", "oto Spirala np 5 pw 10 Spirala już Spirala",
     "Polecenie „Spirala” wywołuje samo siebie, a tego żółw jeszcze nie umie.", "Spirala"},
    {"too_deep", "powtórz 2 [powtórz 2 [powtórz 2 [powtórz 2 [powtórz 2 [powtórz 2 [powtórz 2 [powtórz 2 [powtórz 2 [np 1]]]]]]]]]",
     "Za dużo poleceń jedno w drugim: najwyżej 8.", "["},
    {"repetition_walking_too_many_steps", "powtórz 2 [powtórz 1000 [powtórz 1001 [np 1]]]",
     "Polecenie „powtórz” ma za dużo kroków: najwyżej 1000000.", "powtórz"},
    {"own_command_run_too_often", "oto Bok np 5 już Bok 37", "Po „Bok” może stać liczba od 1 do 36, a nie 37.", "Bok 37"},
    {"not_text", "np 5\x01", "To nie jest program żółwia: są tu znaki, których żółw nie czyta.", "\x01"},
};

class Mistakes : public ::testing::TestWithParam<MistakeCase> {};

TEST_P(Mistakes, SayWhatIsWrongInTheChildsWordsAndMarkIt)
{
    const QString text = QString::fromUtf8(GetParam().text);
    const ProgramReading read = ReadProgram(text, {}, ProgramLanguage::Polish);
    ASSERT_TRUE(read.Mistake);
    EXPECT_EQ(read.Mistake->Sentence.toStdString(), GetParam().sentence);
    EXPECT_EQ(text.mid(read.Mistake->Offset, read.Mistake->Length).toStdString(), GetParam().marked);
    // Nothing runs while the text has a mistake.
    EXPECT_TRUE(read.Entries.empty());
}

INSTANTIATE_TEST_SUITE_P(Table, Mistakes, ::testing::ValuesIn(kMistakeCases),
                         [](const auto& param) { return std::string(param.param.name); });

TEST(Reading, NamesTheOwnCommandsItKnowsAndDefinesThoseOfTheText)
{
    auto known = std::make_shared<OwnCommand>();
    known->Name = QStringLiteral("Schodek");
    known->Picture = 5;
    known->Steps = DrawingRecord::Of({EntryOf(RecordOp::Forward, 10), EntryOf(RecordOp::Right, 90)});
    const ProgramReading read = ReadProgram(u"oto schodek np 20 już\noto Kółko okrąg 9 już\nSchodek 3", {known},
                                            ProgramLanguage::Polish);
    ASSERT_FALSE(read.Mistake);
    // The text's definition changes the command of that name and keeps its picture.
    ASSERT_EQ(read.Definitions.size(), 2u);
    EXPECT_EQ(read.Definitions[0]->Name, QStringLiteral("schodek"));
    EXPECT_EQ(read.Definitions[0]->Picture, 5);
    EXPECT_EQ(read.Definitions[1]->Name, QStringLiteral("Kółko"));
    ASSERT_EQ(read.Entries.size(), 1u);
    EXPECT_EQ(read.Entries[0].Command, read.Definitions[0]);
    EXPECT_EQ(read.Entries[0].Amount, 3);
    EXPECT_EQ(read.EntryOffsets, std::vector<int>{44});
}

TEST(Reading, SuggestsInTheProgramsLanguage)
{
    const ProgramReading read = ReadProgram(u"forwrd 5", {}, ProgramLanguage::English);
    ASSERT_TRUE(read.Mistake);
    EXPECT_TRUE(read.Mistake->Sentence.contains(QStringLiteral("„forward”")));
}

} // namespace
