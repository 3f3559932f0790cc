#include "engine/DXErrors.h"
#include "fakes/ScriptedMessageBoxes.h"
#include "win/MessagePump.h"

#include <QCoreApplication>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

TEST(CheckDXResult, SuccessValuesPassSilently)
{
    ScriptedMessageBoxes boxes;
    for (win::HRESULT value : {0, 1, 2, 3, 4, 8, 12})
        EXPECT_EQ(CheckDXResult(value), 0) << value;
    EXPECT_TRUE(boxes.Shown().empty());
}

TEST(CheckDXResult, AFailureAsksRetryOrCancelAndCancelEndsTheProgram)
{
    ScriptedMessageBoxes boxes;
    boxes.Then(win::IDRETRY);
    EXPECT_EQ(CheckDXResult(5), 5);
    ASSERT_EQ(boxes.Shown().size(), 1u);
    EXPECT_EQ(boxes.Shown()[0].caption, "DirectX Error  00000005");
    EXPECT_EQ(boxes.Shown()[0].text, "Unrecognized error value.");
    EXPECT_EQ(boxes.Shown()[0].style, win::MB_RETRYCANCEL | win::MB_ICONSTOP);
    EXPECT_FALSE(win::PumpMessages().quit) << "Retry asks for nothing more";

    boxes.Then(win::IDCANCEL);
    EXPECT_EQ(CheckDXResult(static_cast<win::HRESULT>(0x88760313)), static_cast<win::HRESULT>(0x88760313));
    EXPECT_EQ(boxes.Shown()[1].caption, "DirectX Error  88760313");
    EXPECT_EQ(boxes.Shown()[1].text, "The file was not found.");
    EXPECT_TRUE(win::PumpMessages().quit) << "Cancel asks the program to quit";
    // Let the application's own loop take the request as well.
    QTimer::singleShot(0, [] { QCoreApplication::exit(0); });
    QCoreApplication::exec();
}

} // namespace
