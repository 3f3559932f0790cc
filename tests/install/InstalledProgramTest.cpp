#include <QColor>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <optional>

// Installs the build into a scratch root and starts the installed program from a folder that has
// nothing to do with it. This test reads the screen: it runs on a display of its own.

namespace {

// Inside the 3D view, whatever the height of the menu bar above the client area.
const QRect kView(224, 72, 392, 276);

void RunTool(const QString& program, const QStringList& arguments, const QProcessEnvironment& environment = {})
{
    QProcess process;
    if (!environment.isEmpty())
        process.setProcessEnvironment(environment);
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        ADD_FAILURE() << program.toStdString() << " failed: " << process.readAll().toStdString();
}

// The top-left corner of the largest mapped window with this title, if there is one (the
// toolkit names its hidden helper windows after the program too).
std::optional<QPoint> WindowCorner(const QString& title)
{
    QProcess tree;
    tree.start(QStringLiteral("xwininfo"), {QStringLiteral("-root"), QStringLiteral("-tree")});
    if (!tree.waitForFinished(10000) || tree.exitCode() != 0)
        return std::nullopt;
    const QRegularExpression line(QStringLiteral("\\\"%1\\\".*\\s(\\d+)x(\\d+)[+-]-?\\d+[+-]-?\\d+\\s+\\+(-?\\d+)\\+(-?\\d+)")
                                      .arg(QRegularExpression::escape(title)));
    std::optional<QPoint> corner;
    int largest = 1;
    for (const QString& text : QString::fromLocal8Bit(tree.readAll()).split(QLatin1Char('\n'))) {
        const QRegularExpressionMatch m = line.match(text);
        if (m.hasMatch() && m.captured(1).toInt() * m.captured(2).toInt() > largest) {
            largest = m.captured(1).toInt() * m.captured(2).toInt();
            corner = QPoint(m.captured(3).toInt(), m.captured(4).toInt());
        }
    }
    return corner;
}

// The floor is drawn: the view shows the white sheet and the turtle in colour on it. A view that
// never rendered is black.
bool ShowsTheFloor(const QImage& view)
{
    int samples = 0, white = 0, coloured = 0;
    for (int y = 0; y < view.height(); y += 2)
        for (int x = 0; x < view.width(); x += 2) {
            const QColor c(view.pixel(x, y));
            ++samples;
            if (c.red() > 240 && c.green() > 240 && c.blue() > 240)
                ++white;
            else if (c.saturation() > 60)
                ++coloured;
        }
    return white > samples / 2 && coloured > 0;
}

TEST(InstalledProgram, StartsFromAnyFolderAndDrawsItsFloor)
{
    QTemporaryDir root;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DESTDIR"), root.path());
    RunTool(QStringLiteral(QEL_CMAKE_COMMAND),
        {QStringLiteral("--install"), QStringLiteral(QEL_BUILD_DIR), QStringLiteral("--prefix"), QStringLiteral("/usr")},
        environment);
    const QDir usr(root.filePath(QStringLiteral("usr")));
    for (const char* file : {"bin/qel3d", "share/qel3d/00.x", "share/qel3d/bmp.mte", "share/qel3d/AniMesh.jx",
                             "share/qel3d/Qel.hlp", "share/qel3d/QelLess.hlp", "share/qel3d/Qel_en.hlp",
                             "share/qel3d/QelLess_en.hlp", "share/man/en/man1/qel3d.1.gz",
                             "share/applications/qel3d.desktop", "share/icons/hicolor/scalable/apps/qel3d.svg",
                             "share/metainfo/org.qel3d.qel3d.metainfo.xml"})
        EXPECT_TRUE(QFileInfo::exists(usr.filePath(QString::fromUtf8(file)))) << file;

    QTemporaryDir elsewhere;
    QProcess program;
    program.setWorkingDirectory(elsewhere.path());
    program.start(usr.filePath(QStringLiteral("bin/qel3d")), {});
    ASSERT_TRUE(program.waitForStarted());

    bool floorShown = false;
    QElapsedTimer waited;
    waited.start();
    while (!floorShown && waited.elapsed() < 60000 && program.state() == QProcess::Running) {
        QTest::qWait(500);
        ASSERT_FALSE(WindowCorner(QStringLiteral("Error"))) << "start-up stopped with an error box";
        const std::optional<QPoint> corner = WindowCorner(QStringLiteral("Qel 3D"));
        if (!corner)
            continue;
        const QImage screen = QGuiApplication::primaryScreen()->grabWindow(0).toImage();
        floorShown = ShowsTheFloor(screen.copy(kView.translated(*corner)));
    }
    EXPECT_TRUE(floorShown);
    EXPECT_EQ(program.state(), QProcess::Running) << program.readAllStandardError().toStdString();
    program.kill();
    program.waitForFinished();
}

} // namespace
