#pragma once

#include "storage/NotebookContent.h"
#include "storage/NotebookFault.h"

#include <QString>

struct NotebookReading {
    NotebookFault Fault = NotebookFault::None;
    QString File; // the page picture a page fault is about
    NotebookContent Content;
};

// Reads and checks the whole notebook `name` in `folder`: its index and every page picture.
// The content is good only when Fault is None.
NotebookReading ReadNotebook(const QString& folder, const QString& name);
