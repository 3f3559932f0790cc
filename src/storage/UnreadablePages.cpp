#include "storage/UnreadablePages.h"

#include "storage/NotebookContent.h"
#include "storage/NotebookFolder.h"
#include "storage/PagePicture.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <climits>
#include <unistd.h>

namespace {

// The ending that lets a picture viewer open the kept file.
QString EndingFor(const QString& path)
{
    QFile file(path);
    const QByteArray start = file.open(QIODevice::ReadOnly) ? file.read(64).trimmed() : QByteArray();
    if (start.startsWith("\x89PNG"))
        return QStringLiteral(".png");
    if (start.startsWith("\xff\xd8\xff"))
        return QStringLiteral(".jpg");
    if (start.startsWith("GIF8"))
        return QStringLiteral(".gif");
    if (start.startsWith("<"))
        return QStringLiteral(".svg");
    return QStringLiteral(".bmp");
}

// How many kept copies of one page may pile up before keeping gives up.
constexpr int kMaxKeptCopies = 100;

} // namespace

std::vector<int> UnreadablePages(const QString& folder, const QString& name)
{
    std::vector<int> pages;
    std::vector<std::uint8_t> scratch(kSheetBytes);
    for (int page = 1; page <= kMaxNotebookPages; ++page) {
        const PageReadFault fault = ReadPagePicture(PagePath(folder, name, page), scratch.data());
        if (fault == PageReadFault::Unreadable || fault == PageReadFault::WrongSize)
            pages.push_back(page);
    }
    return pages;
}

std::optional<QString> KeepPageFile(const QString& folder, const QString& name, int page)
{
    const QString path = PagePath(folder, name, page);
    const QString ending = EndingFor(path);
    const QString stem = QStringLiteral("%1, strona %2 (nieodczytana").arg(name.normalized(QString::NormalizationForm_C)).arg(page);
    for (int copy = 1; copy <= kMaxKeptCopies; ++copy) {
        const QString kept = stem + (copy == 1 ? QString() : QStringLiteral(" %1").arg(copy)) + QStringLiteral(")") + ending;
        if (QFile::encodeName(kept).size() > NAME_MAX) {
            errno = ENAMETOOLONG;
            return std::nullopt;
        }
        const QString keptPath = QDir(folder).filePath(kept);
        // A second name for the same file where the disk allows it, a copy where not.
        if (::link(QFile::encodeName(path).constData(), QFile::encodeName(keptPath).constData()) == 0)
            return kept;
        if (errno == EEXIST)
            continue;
        if (QFileInfo::exists(keptPath))
            continue;
        if (QFile::copy(path, keptPath))
            return kept;
        if (errno == 0)
            errno = EIO;
        return std::nullopt;
    }
    errno = EEXIST;
    return std::nullopt;
}
