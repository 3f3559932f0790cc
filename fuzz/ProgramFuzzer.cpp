// Text read as a program, as the program pane and "Otwórz program…" read it. A program that
// reads is written back, and what the writer wrote must read again to the same steps.

#include "program/ProgramReader.h"
#include "program/ProgramWriter.h"

#include <QString>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const ProgramReading read = ReadProgram(text, {}, ProgramLanguage::Polish);
    if (read.Mistake)
        return 0;
    const DrawingRecord record = DrawingRecord::Of(read.Entries);
    const ProgramReading again = ReadProgram(WriteProgram(record, ProgramLanguage::Polish), {}, ProgramLanguage::Polish);
    if (again.Mistake || DrawingRecord::Of(again.Entries).Size() != record.Size())
        std::abort();
    return 0;
}
