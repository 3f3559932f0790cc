#include "engine/ErrorText.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <set>
#include <string>
#include <vector>

namespace {

constexpr const char* kUnrecognized = "Unrecognized error value.";

win::HRESULT Hr(std::uint32_t value)
{
    return static_cast<win::HRESULT>(value);
}

std::vector<win::HRESULT> TableValues()
{
    std::vector<win::HRESULT> values;
    for (std::size_t row = 0; row < ErrorTextRowCount(); ++row)
        values.push_back(ErrorTextRowValue(row));
    return values;
}

bool IsDirectDraw(win::HRESULT value)
{
    const auto bits = static_cast<std::uint32_t>(value);
    return bits >= 0x88760000u && bits < 0x887602BCu;
}

struct KnownText {
    std::uint32_t value;
    const char* text;
};

TEST(ErrorText, GivesTheTextOfKnownValuesWordForWord)
{
    const KnownText cases[] = {
        {0x00000000u, "No error."},
        {0x80070005u, "The device already has an event notification associated with it."},
        {0x80040202u, "\tNot all the requested information fitted into the buffer."},
        {0x8007000Eu, "DirectDraw does not have enough memory to perform the operation."},
        {0x8876017Cu, "DirectDraw does not have enough memory to perform the operation."},
        {0x88760005u, "This object is already initialized."},
        {0x887601C2u, "Access to this surface is being refused because the surface memory is gone. The "
                      "DirectDrawSurface object representing this surface should have Restore called on it."},
        {0x8876021Cu, "Informs DirectDraw that the previous Blt which is transfering information to or from "
                      "this Surface is incomplete."},
        {0x887602BCu, "D3DERR_BADMAJORVERSION"},
        {0x887602EEu, "D3DERR_LIGHT_SET_FAILED"},
        {0x88760312u, "D3DRMERR_NOTDONEYET"},
        {0x88760313u, "The file was not found."},
        {0x88760314u, "D3DRMERR_BADFILE"},
        {0x88760319u, "D3DRMERR_UNABLETOEXECUTE"},
    };
    for (const KnownText& known : cases)
        EXPECT_STREQ(ErrorText(Hr(known.value)), known.text) << std::hex << known.value;
}

TEST(ErrorText, MatchesOnlyTheExactValue)
{
    const std::uint32_t unknown[] = {
        2,           // a plain system error code
        1,           // S_FALSE is a success, but not one the table names
        0x0876017Cu, // a known DirectDraw value without its severity bit
        0x8007017Cu, // the same code under another facility
        0x88760001u,
        0x8876024Eu, // just past the last DirectDraw code
        0x8876031Au, // just past the last retained-mode code
        0xFFFFFFFFu,
    };
    for (std::uint32_t value : unknown)
        EXPECT_STREQ(ErrorText(Hr(value)), kUnrecognized) << std::hex << value;
}

TEST(ErrorText, TableHoldsEachValueOnceWithItsOwnText)
{
    const std::vector<win::HRESULT> values = TableValues();
    EXPECT_EQ(values.size(), 152u);
    EXPECT_EQ(std::set<win::HRESULT>(values.begin(), values.end()).size(), values.size());
    for (win::HRESULT value : values) {
        const std::string text = ErrorText(value);
        EXPECT_FALSE(text.empty()) << std::hex << value;
        EXPECT_NE(text, kUnrecognized) << std::hex << value;
    }
}

TEST(ErrorText, DirectDrawRowsAreFullSentences)
{
    int directDrawRows = 0;
    for (win::HRESULT value : TableValues()) {
        if (!IsDirectDraw(value))
            continue;
        ++directDrawRows;
        const std::string text = ErrorText(value);
        EXPECT_EQ(text.back(), '.') << std::hex << value << ": " << text;
        EXPECT_EQ(text.find("DDERR_"), std::string::npos) << std::hex << value << ": " << text;
    }
    EXPECT_EQ(directDrawRows, 86);
}

} // namespace
