#include "storage/RecoveryCopy.h"

#include "storage/NotebookFolder.h"
#include "storage/NotebookIndex.h"
#include "storage/NotebookReader.h"
#include "storage/PagePicture.h"
#include "win/RegularFile.h"
#include "win/WholeFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QStandardPaths>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>

namespace fs = std::filesystem;

namespace {

const QString kLock = QStringLiteral("blokada");
// Names the folder of the last whole write.
const QString kCurrent = QStringLiteral("biezacy");
const QString kNextCurrent = QStringLiteral("biezacy.nowy");
// Present while later changes than the current write could not be written.
const QString kBehind = QStringLiteral("zalegla");
const QString kNameFile = QStringLiteral("nazwa");
const QString kStem = QStringLiteral("zeszyt");
constexpr qint64 kMaxSmallFile = 4096;
constexpr qlonglong kMaxGeneration = 1'000'000'000;

QString In(const QString& folder, const QString& entry)
{
    return folder + QLatin1Char('/') + entry;
}

fs::path PathOf(const QString& path)
{
    return fs::path(QFile::encodeName(path).toStdString());
}

std::error_code LastError()
{
    return {errno, std::generic_category()};
}

// Removes a file, a folder with all in it, or a link (never what it points to).
void RemoveEntry(const QString& path)
{
    std::error_code ignored;
    fs::remove_all(PathOf(path), ignored);
}

bool IsRealFolder(const QString& path)
{
    std::error_code error;
    return fs::symlink_status(PathOf(path), error).type() == fs::file_type::directory;
}

// The copy's lock, held until the descriptor closes; the system lets it go when its program dies.
// A lock file that is a link, a folder or a pipe is no lock of a running program: it is replaced
// (never followed), so that the copy can be taken over or removed.
int TryLock(const QString& folder)
{
    const QByteArray path = QFile::encodeName(In(folder, kLock));
    int lock = ::open(path.constData(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK, 0600);
    struct stat status {};
    if (lock >= 0 && (::fstat(lock, &status) != 0 || !S_ISREG(status.st_mode))) {
        ::close(lock);
        lock = -1;
        errno = EISDIR;
    }
    if (lock < 0 && (errno == ELOOP || errno == EISDIR || errno == ENXIO)) {
        std::error_code ignored;
        fs::remove_all(PathOf(In(folder, kLock)), ignored);
        lock = ::open(path.constData(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    }
    if (lock < 0)
        return -1;
    if (::flock(lock, LOCK_EX | LOCK_NB) != 0) {
        ::close(lock);
        return -1;
    }
    return lock;
}

// Makes a folder's new entries outlive a power cut.
void SyncFolder(const QString& folder)
{
    const int handle = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (handle >= 0) {
        ::fsync(handle);
        ::close(handle);
    }
}

bool IsLink(const QString& path)
{
    struct stat status {};
    return ::lstat(QFile::encodeName(path).constData(), &status) == 0 && S_ISLNK(status.st_mode);
}

// The current write's number, or 0 when there is none. A number no copy reaches in years of
// writes every second is refused where it is read: counting on from it would overflow. Nothing
// is read through a link.
int GenerationIn(const QString& folder)
{
    if (IsLink(In(folder, kCurrent)))
        return 0;
    const std::optional<QByteArray> bytes = win::ReadRegularFile(In(folder, kCurrent), kMaxSmallFile);
    if (!bytes)
        return 0;
    bool number = false;
    const qlonglong generation = bytes->trimmed().toLongLong(&number);
    return number && generation > 0 && generation <= kMaxGeneration ? static_cast<int>(generation) : 0;
}

// Whether the write `generation` of the copy in `folder` is there to be read: a folder of its own,
// not a link to a notebook somewhere else on the disk, and no file in it a link.
bool GenerationReadable(const QString& folder, int generation)
{
    const QString written = In(folder, QString::number(generation));
    std::error_code error;
    if (fs::symlink_status(PathOf(written), error).type() != fs::file_type::directory)
        return false;
    for (fs::directory_iterator entries(PathOf(written), error), end; !error && entries != end; entries.increment(error)) {
        std::error_code typeError;
        if (entries->symlink_status(typeError).type() != fs::file_type::regular)
            return false;
    }
    return !error;
}

QDateTime WrittenAt(const QString& folder)
{
    struct stat status {};
    if (::lstat(QFile::encodeName(In(folder, kCurrent)).constData(), &status) != 0)
        return {};
    return QDateTime::fromSecsSinceEpoch(status.st_mtim.tv_sec);
}

bool Exists(const QString& path)
{
    struct stat status {};
    return ::lstat(QFile::encodeName(path).constData(), &status) == 0;
}

} // namespace

RecoveryTrouble RecoveryTroubleOf(std::error_code error)
{
    if (!error)
        return RecoveryTrouble::None;
    if (error == std::errc::read_only_file_system || error == std::errc::permission_denied
        || error == std::errc::operation_not_permitted)
        return RecoveryTrouble::ReadOnly;
    if (error == std::errc::no_space_on_device || error.value() == EDQUOT)
        return RecoveryTrouble::Full;
    if (error == std::errc::too_many_symbolic_link_levels)
        return RecoveryTrouble::Link;
    return RecoveryTrouble::Other;
}

QString RecoveryRoot()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)).filePath(QStringLiteral("Odzysk"));
}

RecoveryCopy::RecoveryCopy(QString folder, int lock) : folder_(std::move(folder)), lock_(lock)
{
}

RecoveryCopy::~RecoveryCopy()
{
    if (lock_ >= 0)
        ::close(lock_);
}

int RecoveryCopy::MakeFolder(const QString& root, QString& folder, std::error_code& trouble)
{
    fs::create_directories(PathOf(root), trouble);
    if (trouble)
        return -1;
    // The root is walked and emptied at every start: through a link that would be someone else's folder.
    if (!IsRealFolder(root)) {
        trouble = std::make_error_code(std::errc::too_many_symbolic_link_levels);
        return -1;
    }
    folder = In(root, QStringLiteral("%1-%2").arg(QCoreApplication::applicationPid()).arg(QDateTime::currentMSecsSinceEpoch()));
    if (::mkdir(QFile::encodeName(folder).constData(), 0700) != 0) {
        trouble = LastError();
        return -1;
    }
    const int lock = TryLock(folder);
    if (lock < 0) {
        trouble = LastError();
        RemoveEntry(folder);
    }
    return lock;
}

std::unique_ptr<RecoveryCopy> RecoveryCopy::Create(const QString& root, std::error_code& trouble)
{
    QString folder;
    const int lock = MakeFolder(root, folder, trouble);
    return lock < 0 ? nullptr : std::unique_ptr<RecoveryCopy>(new RecoveryCopy(folder, lock));
}

LeftCopies RecoveryCopy::Left(const QString& root, const std::function<bool()>& stop)
{
    LeftCopies left;
    if (!IsRealFolder(root))
        return left;
    // Only folders named as this program names its copies are ever looked into.
    static const QRegularExpression copyName(QStringLiteral("^[0-9]+-[0-9]+$"));
    QDateTime newest;
    std::error_code error;
    for (fs::directory_iterator entries(PathOf(root), fs::directory_options::skip_permission_denied, error), end;
         !error && entries != end; entries.increment(error)) {
        if (stop && stop())
            break;
        std::error_code typeError;
        if (entries->symlink_status(typeError).type() != fs::file_type::directory)
            continue;
        const QString name = QFile::decodeName(QByteArray::fromStdString(entries->path().filename().string()));
        if (!copyName.match(name).hasMatch())
            continue;
        const QString folder = In(root, name);
        // A lock still held belongs to a program that runs.
        const int lock = TryLock(folder);
        if (lock < 0)
            continue;
        const int generation = GenerationIn(folder);
        const bool readable = generation > 0 && GenerationReadable(folder, generation);
        const QDateTime written = WrittenAt(folder);
        ::close(lock);
        if (generation <= 0) {
            left.Empty.push_back(folder);
            continue;
        }
        // A write that is a link, or holds one, is offered as nothing.
        if (!readable)
            continue;
        if (left.Newest)
            ++left.Older;
        if (!left.Newest || written > newest) {
            newest = written;
            left.Newest = folder;
        }
    }
    return left;
}

void RecoveryCopy::RemoveIfEmpty(const QString& folder)
{
    if (!IsRealFolder(folder))
        return;
    const int lock = TryLock(folder);
    if (lock < 0)
        return;
    const bool empty = GenerationIn(folder) <= 0;
    // Let go first: a file removed while open is freed only at its close, which waits on the file
    // system's journal.
    ::close(lock);
    if (empty)
        RemoveEntry(folder);
}

std::unique_ptr<RecoveryCopy> RecoveryCopy::Adopt(const QString& folder)
{
    if (!IsRealFolder(folder))
        return nullptr;
    const int lock = TryLock(folder);
    return lock < 0 ? nullptr : std::unique_ptr<RecoveryCopy>(new RecoveryCopy(folder, lock));
}

int RecoveryCopy::CurrentGeneration() const
{
    return GenerationIn(folder_);
}

std::error_code RecoveryCopy::WriteBytes(win::WholeFile& file, const QByteArray& bytes)
{
    return file.Write(bytes) ? std::error_code() : std::error_code(file.Error(), std::generic_category());
}

std::error_code RecoveryCopy::WriteFile(const QString& path, const QByteArray& bytes)
{
    // Every write, the sync and the close checked (see win::WholeFile); the generation's folder is
    // synced once its files are all there.
    win::WholeFile file(path);
    if (!file.Open())
        return {file.Error(), std::generic_category()};
    if (const std::error_code error = WriteBytes(file, bytes)) {
        file.Cancel();
        return error;
    }
    if (!file.Commit(false))
        return {file.Error(), std::generic_category()};
    return {};
}

std::error_code RecoveryCopy::WriteGeneration(const QString& into, int previous, const NotebookContent& content,
                                              const QString& name)
{
    const QString before = In(folder_, QString::number(previous));
    for (std::size_t i = 0; i < content.Pages.size(); ++i) {
        const int page = static_cast<int>(i) + 1;
        const QString path = PagePath(into, kStem, page);
        const bool unchanged = previous > 0 && i < written_.size() && written_[i] == content.Pages[i].Image;
        if (unchanged
            && ::link(QFile::encodeName(PagePath(before, kStem, page)).constData(), QFile::encodeName(path).constData()) == 0)
            continue;
        if (const std::error_code error = WriteFile(path, PageBitmapBytes(content.Pages[i].Image.data())))
            return error;
    }
    const int generation = previous + 1;
    if (const std::error_code error = WriteFile(IndexPath(into, kStem), EncodeIndex(content, static_cast<std::uint64_t>(generation))))
        return error;
    if (const std::error_code error = WriteFile(In(into, kNameFile), name.toUtf8()))
        return error;
    SyncFolder(into);
    return {};
}

std::error_code RecoveryCopy::Write(const NotebookContent& content, const QString& name)
{
    const int previous = CurrentGeneration();
    const QString into = In(folder_, QString::number(previous + 1));
    RemoveEntry(into); // what a killed or failed write left
    RemoveEntry(In(folder_, kNextCurrent));
    std::error_code error;
    if (::mkdir(QFile::encodeName(into).constData(), 0700) != 0)
        error = LastError();
    if (!error)
        error = WriteGeneration(into, previous, content, name);
    if (!error)
        error = WriteFile(In(folder_, kNextCurrent), QByteArray::number(previous + 1));
    // The switch to the new write is this one step; a kill before it leaves the last one whole.
    if (!error && ::rename(QFile::encodeName(In(folder_, kNextCurrent)).constData(),
                           QFile::encodeName(In(folder_, kCurrent)).constData()) != 0)
        error = LastError();
    if (error) {
        RemoveEntry(into);
        SetBehind(previous > 0);
        return error;
    }
    SyncFolder(folder_);
    RemoveEntry(In(folder_, QString::number(previous)));
    SetBehind(false);
    written_.clear();
    for (const PageContent& page : content.Pages)
        written_.push_back(page.Image);
    return {};
}

void RecoveryCopy::SetBehind(bool behind) const
{
    const QByteArray path = QFile::encodeName(In(folder_, kBehind));
    if (!behind) {
        ::unlink(path.constData());
        return;
    }
    // An empty file needs no room for its bytes: it can be made when a page cannot.
    const int file = ::open(path.constData(), O_WRONLY | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (file >= 0)
        ::close(file);
}

std::optional<RecoveredNotebook> RecoveryCopy::Read() const
{
    const int generation = CurrentGeneration();
    // Nothing is read through a link: not the write's folder, not a page in it.
    if (generation <= 0 || !GenerationReadable(folder_, generation))
        return std::nullopt;
    const QString folder = In(folder_, QString::number(generation));
    NotebookReading reading = ReadNotebook(folder, kStem);
    if (reading.Fault != NotebookFault::None)
        return std::nullopt;
    const std::optional<QByteArray> name = win::ReadRegularFile(In(folder, kNameFile), kMaxSmallFile);
    RecoveredNotebook recovered{std::move(reading.Content), name ? QString::fromUtf8(*name) : QString(),
                                WrittenAt(folder_), Exists(In(folder_, kBehind))};
    if (!IsNotebookName(recovered.Name))
        recovered.Name.clear();
    return recovered;
}

void RecoveryCopy::Clear()
{
    written_.clear();
    SetBehind(false);
    const int generation = CurrentGeneration();
    if (generation <= 0)
        return;
    RemoveEntry(In(folder_, kCurrent));
    RemoveEntry(In(folder_, QString::number(generation)));
}

void RecoveryCopy::Remove()
{
    Clear();
    // Let go before the lock file goes (see Left); a start that finds the folder meanwhile sees
    // it empty and removes it too.
    if (lock_ >= 0)
        ::close(lock_);
    lock_ = -1;
    RemoveEntry(folder_);
}
