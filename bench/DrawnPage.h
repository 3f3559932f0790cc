#pragma once

#include "SilentPanel.h"
#include "notebook/Notebook.h"
#include "notebook/TurtleWalker.h"
#include "notebook/UndoHistory.h"
#include "turtle/TurtleSheet.h"

#include <QObject>

#include <array>
#include <random>

// A page drawn by walking commands in the uneven pass times of a busy machine, every step
// recorded as the document records it.
struct DrawnPage {
    DrawnPage()
    {
        StartOnWhiteSheet(sheet);
        notebook.EmptySlots();
        notebook.StartNotebook();
        walker.SetDriven(true);
        QObject::connect(&walker, &TurtleWalker::EntryRan, [this](const RecordEntry& entry) { history.EndStep(entry); });
    }

    void Walk(RecordOp op, int amount)
    {
        history.BeginStep();
        walker.Run({EntryOf(op, amount)});
        while (walker.Busy())
            walker.Walk(PassTime());
    }

    // A frame's time, and now and then a pass the machine was busy in.
    double PassTime()
    {
        const int busy = std::uniform_int_distribution(0, 19)(random);
        return busy == 0 ? std::uniform_int_distribution(30, 60)(random) : std::uniform_int_distribution(15, 18)(random);
    }

    // A drawing of `count` commands: moves, turns, circles and squares, a colour or a width
    // chosen now and then, kept on the sheet. `anyAngle`: turns of any amount, not only the
    // right angles most drawings turn by.
    void Draw(int count, bool anyAngle)
    {
        constexpr std::array<RecordOp, 6> ops = {RecordOp::Forward, RecordOp::Right, RecordOp::Circle,
                                                 RecordOp::Backward, RecordOp::Left, RecordOp::Square};
        for (int i = 0; i < count; ++i) {
            if (i % 7 == 0)
                sheet.SetPenColor(i % 16);
            if (i % 11 == 0)
                sheet.SetPenWidth(1 + i % 3);
            if (i % 50 == 0)
                Walk(RecordOp::Home, 0);
            const RecordOp op = ops[static_cast<std::size_t>(i) % ops.size()];
            const bool turn = op == RecordOp::Right || op == RecordOp::Left;
            Walk(op, turn && !anyAngle ? 90 : std::uniform_int_distribution(5, 60)(random));
        }
    }

    std::mt19937 random{3};
    TTurtleState turtle;
    SilentPanel panel;
    TurtleSheet sheet{turtle, panel};
    Notebook notebook{sheet};
    UndoHistory history{notebook, sheet};
    TurtleWalker walker{sheet};
};
