// A switch file .N.next found beside a notebook, as opening or saving it finishes one: carried,
// set aside or dropped, it only ever touches the notebook's own files in its own folder (the
// fuzzer's folder here, where nothing else lies).

#include "FuzzInput.h"
#include "storage/NotebookSwitch.h"

#include <QFileInfo>

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString path = WriteInput(QStringLiteral(".DOM.next"), data, size);
    const QString folder = QFileInfo(path).absolutePath();
    NotebookSwitch::FinishPending(folder, QStringLiteral("DOM"));
    NotebookSwitch::RemoveLeftovers(folder);
    return 0;
}
