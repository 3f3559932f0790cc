#pragma once

#include "storage/NotebookContent.h"
#include "storage/PagePicture.h"

#include <QString>

class QPagedPaintDevice;
class QPrinter;

// Prints every page of the notebook on a sheet of paper of its own, headed by the notebook's
// name and the page number, the drawing as large as the paper allows, its edges smooth or its
// pixels sharp squares. False when the device cannot be painted on (no printer, a file that
// cannot be written).
bool PrintNotebook(QPagedPaintDevice& device, const NotebookContent& content, const QString& name,
                   PageEdges edges = PageEdges::Sharp);

// The heading of one printed page; page counts from 1.
QString PrintedPageHeading(const QString& name, int page, int pageCount);

// Names the print job after the notebook and, where no printer is set up and the pages can only
// go to a file, suggests that file: the notebook's name in the documents folder.
void SuggestPrintFile(QPrinter& printer, const QString& name);
