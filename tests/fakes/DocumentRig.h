#pragma once

#include "fakes/ManualClock.h"
#include "fakes/MemoryFloor.h"
#include "fakes/RecordingPanel.h"
#include "notebook/NotebookDocument.h"
#include "notebook/TurtleWalker.h"
#include "turtle/TurtleSheet.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

// A notebook document over a white sheet in memory, its notebooks kept in a folder of its own,
// answered by `Prompts`; commands go through the document's door, as the window gives them.
template <class Prompts>
struct DocumentRig {
    DocumentRig()
    {
        qputenv("QEL3D_NOTEBOOKS", folder.path().toUtf8());
        sheet.AttachFloor(floor);
        sheet.ResetTurtle();
        sheet.FillFloorImage(SheetBitmap::kWhite);
        sheet.UpdateSheetFromFloor();
        document.Start();
        walker.SetDriven(true);
    }
    ~DocumentRig()
    {
        sheet.DetachFloor();
        qunsetenv("QEL3D_NOTEBOOKS");
    }
    DocumentRig(const DocumentRig&) = delete;
    DocumentRig& operator=(const DocumentRig&) = delete;

    // The entry done and walked to its end in passes of 100 ms.
    void Run(const RecordEntry& entry)
    {
        ASSERT_TRUE(document.Do(entry));
        for (int pass = 0; pass < 100000 && walker.Busy(); ++pass)
            walker.Walk(100);
        ASSERT_FALSE(walker.Busy());
    }

    // Standing still, so that every call walks exactly the turtle time it is given.
    ManualClock clock;
    QTemporaryDir folder;
    MemoryFloor floor;
    TTurtleState turtle;
    RecordingPanel panel;
    TurtleSheet sheet{turtle, panel};
    Prompts prompts;
    TurtleWalker walker{sheet};
    NotebookDocument document{sheet, walker, prompts};
};
