// notebook_save_helper FOLDER NAME PAGES COLOUR: a copy of the program saving a notebook of PAGES
// pages all in the sheet colour COLOUR, once a line arrives on its input, so that a test can
// start two at once. Told that another copy is saving, it tries again as a person would. Exits 0
// when the save succeeded.

#include "storage/NotebookWriter.h"

#include <QCoreApplication>
#include <QStringList>

#include <cstdio>
#include <iostream>
#include <string>

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() != 5) {
        std::fprintf(stderr, "usage: notebook_save_helper FOLDER NAME PAGES COLOUR\n");
        return 2;
    }
    NotebookContent content;
    content.Pages.resize(arguments[3].toUInt());
    for (PageContent& page : content.Pages)
        std::fill(page.Image.begin(), page.Image.end(), static_cast<std::uint8_t>(arguments[4].toUInt()));
    std::string go;
    std::getline(std::cin, go);
    SaveResult result;
    do
        result = NotebookWriter().Save(arguments[1], arguments[2], content);
    while (result.Fault == NotebookFault::BeingSaved);
    if (result.Fault != NotebookFault::None) {
        std::fprintf(stderr, "save failed: %d\n", static_cast<int>(result.Fault));
        return 1;
    }
    return 0;
}
