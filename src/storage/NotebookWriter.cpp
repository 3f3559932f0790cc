#include "storage/NotebookWriter.h"

#include "storage/NotebookFolder.h"
#include "storage/NotebookIndex.h"
#include "storage/PagePicture.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QSaveFile>

#include <memory>
#include <vector>

namespace {

QByteArray BitmapBytes(const PageContent& page)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    PagePicture(page.Image.data()).save(&buffer, "BMP");
    return bytes;
}

} // namespace

bool NotebookWriter::Write(QFileDevice& file, const QByteArray& bytes)
{
    return file.write(bytes) == bytes.size() && file.flush();
}

NotebookFault NotebookWriter::Save(const QString& folder, const QString& name, const NotebookContent& content)
{
    if (!QDir().mkpath(folder))
        return NotebookFault::CannotWrite;

    // Files not committed are thrown away with their temporary names when this returns early.
    std::vector<std::unique_ptr<QSaveFile>> written;
    const auto writeFile = [&](const QString& path, const QByteArray& bytes) {
        auto file = std::make_unique<QSaveFile>(path);
        if (!file->open(QIODevice::WriteOnly) || !Write(*file, bytes))
            return false;
        written.push_back(std::move(file));
        return true;
    };
    const int pageCount = static_cast<int>(content.Pages.size());
    for (int page = 0; page < pageCount; ++page) {
        if (!writeFile(PagePath(folder, name, page + 1), BitmapBytes(content.Pages[static_cast<std::size_t>(page)])))
            return NotebookFault::CannotWrite;
    }
    if (!writeFile(IndexPath(folder, name), EncodeIndex(content)))
        return NotebookFault::CannotWrite;

    for (const auto& file : written) {
        if (!file->commit())
            return NotebookFault::CannotWrite;
    }
    for (int page = pageCount + 1; page <= kMaxNotebookPages; ++page)
        QFile::remove(PagePath(folder, name, page));
    return NotebookFault::None;
}
