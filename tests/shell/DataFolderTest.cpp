#include "shell/DataFolder.h"
#include "support/CurrentFolder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <string>

namespace {

// Folders below a scratch root: the program lives in bin, the installed data in share/qel3d,
// and the program is started from elsewhere unless a case says otherwise.
struct DataCase {
    const char* name;
    const char* dataIn[2]; // folders holding the floor model; nullptr for none
    const char* startIn;
    const char* endsIn;
    bool found;
};

const DataCase kCases[] = {
    {"Installed", {"share/qel3d", nullptr}, "elsewhere", "share/qel3d", true},
    {"BuildFolder", {"bin", nullptr}, "elsewhere", "bin", true},
    {"InstalledDataBeforeTheProgramsFolder", {"share/qel3d", "bin"}, "elsewhere", "share/qel3d", true},
    {"StartedAmongItsData", {"elsewhere", "share/qel3d"}, "elsewhere", "elsewhere", true},
    {"NoDataAnywhere", {nullptr, nullptr}, "elsewhere", "elsewhere", false},
    {"OnlyOtherFilesBesideTheProgram", {"bin/help", nullptr}, "elsewhere", "elsewhere", false},
};

class DataFolder : public testing::TestWithParam<DataCase> {
protected:
    QString At(const char* folder) const { return QDir(root.path()).filePath(QString::fromUtf8(folder)); }

    QTemporaryDir root;
    CurrentFolderGuard keep;
};

TEST_P(DataFolder, StartsWhereTheFloorModelIs)
{
    const DataCase& c = GetParam();
    for (const char* folder : {"bin", "elsewhere"})
        ASSERT_TRUE(QDir().mkpath(At(folder)));
    for (const char* folder : c.dataIn) {
        if (folder == nullptr)
            continue;
        ASSERT_TRUE(QDir().mkpath(At(folder)));
        QFile model(QDir(At(folder)).filePath(QStringLiteral("00.x")));
        ASSERT_TRUE(model.open(QIODevice::WriteOnly));
    }
    ASSERT_TRUE(QDir::setCurrent(At(c.startIn)));

    EXPECT_EQ(EnterDataFolder(At("bin")), c.found);
    EXPECT_EQ(QDir::current().canonicalPath(), QDir(At(c.endsIn)).canonicalPath());
}

INSTANTIATE_TEST_SUITE_P(Starts, DataFolder, testing::ValuesIn(kCases),
                         [](const auto& test) { return std::string(test.param.name); });

} // namespace
