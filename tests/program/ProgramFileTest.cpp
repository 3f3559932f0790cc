#include "program/ProgramFile.h"
#include "program/ProgramMistake.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(ProgramFile, WrittenTextReadsBackWhole)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("kwadrat.txt"));
    const QString text = QStringLiteral("oto Bok\n  naprzód 50\n  prawo 90\njuż\n\npowtórz 4 [Bok]\n");
    ASSERT_TRUE(WriteProgramFile(path, text).isEmpty());
    const ProgramFileText read = ReadProgramFile(path);
    EXPECT_TRUE(read.Problem.isEmpty()) << read.Problem.toStdString();
    EXPECT_EQ(read.Text, text);
}

struct BadFile {
    const char* name;
    QByteArray bytes;
    const char* problemHas;
};

class BadProgramFile : public ::testing::TestWithParam<BadFile> {};

TEST_P(BadProgramFile, SaysWhyInASentenceAndGivesNoText)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("program.txt"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(GetParam().bytes);
    file.close();
    const ProgramFileText read = ReadProgramFile(path);
    EXPECT_TRUE(read.Text.isEmpty());
    EXPECT_TRUE(read.Problem.contains(QString::fromUtf8(GetParam().problemHas))) << read.Problem.toStdString();
}

const BadFile kBadFiles[] = {
    {"not_utf8", QByteArray("np 5\n\xff\xfe pw 9"), "nie jest program"},
    {"a_picture", QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16), "nie jest program"},
    {"too_big", QByteArray(kMaxProgramFileBytes + 1, 'a'), "za duży"},
};

INSTANTIATE_TEST_SUITE_P(Table, BadProgramFile, ::testing::ValuesIn(kBadFiles),
                         [](const auto& param) { return std::string(param.param.name); });

TEST(ProgramFile, AFolderThatIsNotThereIsSaidAndNothingIsWritten)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("brak/program.txt"));
    EXPECT_FALSE(WriteProgramFile(path, QStringLiteral("np 5")).isEmpty());
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_FALSE(ReadProgramFile(path).Problem.isEmpty());
}

} // namespace
