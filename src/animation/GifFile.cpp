#include "animation/GifFile.h"

#include <gif_lib.h>

#include <algorithm>
#include <cstring>

namespace {

// giflib hands every byte to this; each write is checked, and the file takes the target's name
// only at Commit.
int WriteToSaveFile(GifFileType* gif, const GifByteType* bytes, int length)
{
    auto* file = static_cast<win::WholeFile*>(gif->UserData);
    return file->Write(reinterpret_cast<const char*>(bytes), length) ? length : 0;
}

} // namespace

GifFile::GifFile(const QString& path, int width, int height, const std::array<std::uint32_t, 256>& palette, int colours)
    : file_(path), width_(width), height_(height), seeThrough_(std::clamp(colours, 1, 255)),
      shown_(static_cast<std::size_t>(width) * static_cast<std::size_t>(height)), line_(static_cast<std::size_t>(width))
{
    if (!file_.Open()) {
        Fail(Error::CannotCreate);
        return;
    }
    int status = 0;
    gif_ = EGifOpen(&file_, WriteToSaveFile, &status);
    if (gif_ == nullptr || !WriteHeader(palette))
        Fail(Error::CannotWrite);
}

GifFile::~GifFile()
{
    if (gif_ != nullptr)
        EGifCloseFile(gif_, nullptr);
    // Unless committed, the temporary file goes and the target stays as it was.
    file_.Cancel();
}

bool GifFile::WriteHeader(const std::array<std::uint32_t, 256>& palette)
{
    // The colours used and the free index, in the smallest table that holds them: the fewer
    // bits a pixel takes, the shorter the codes.
    int size = 2;
    while (size <= seeThrough_)
        size *= 2;
    ColorMapObject* colours = GifMakeMapObject(size, nullptr);
    if (colours == nullptr)
        return false;
    for (int i = 0; i < seeThrough_; ++i) {
        colours->Colors[i].Red = static_cast<GifByteType>(palette[i] >> 16);
        colours->Colors[i].Green = static_cast<GifByteType>(palette[i] >> 8);
        colours->Colors[i].Blue = static_cast<GifByteType>(palette[i]);
    }
    EGifSetGifVersion(gif_, true);
    const bool written = EGifPutScreenDesc(gif_, width_, height_, 8, 0, colours) == GIF_OK;
    GifFreeMapObject(colours);
    if (!written)
        return false;
    // Loops for ever.
    static const GifByteType kApplication[] = {'N', 'E', 'T', 'S', 'C', 'A', 'P', 'E', '2', '.', '0'};
    static const GifByteType kLoopForEver[] = {1, 0, 0};
    return EGifPutExtensionLeader(gif_, APPLICATION_EXT_FUNC_CODE) == GIF_OK
           && EGifPutExtensionBlock(gif_, sizeof kApplication, kApplication) == GIF_OK
           && EGifPutExtensionBlock(gif_, sizeof kLoopForEver, kLoopForEver) == GIF_OK
           && EGifPutExtensionTrailer(gif_) == GIF_OK;
}

bool GifFile::AddFrame(const std::uint8_t* frame, const QRect& area, int delayCs)
{
    if (error_ != Error::None)
        return false;
    const QRect whole(0, 0, width_, height_);
    const QRect part = area.intersected(whole);
    if (part.isEmpty())
        return true;
    GraphicsControlBlock control{};
    // Each frame is left in place for the next to be drawn over.
    control.DisposalMode = DISPOSE_DO_NOT;
    control.DelayTime = delayCs;
    control.TransparentColor = anyShown_ ? seeThrough_ : NO_TRANSPARENT_COLOR;
    GifByteType extension[4];
    const auto length = EGifGCBToExtension(&control, extension);
    if (EGifPutExtension(gif_, GRAPHICS_EXT_FUNC_CODE, static_cast<int>(length), extension) != GIF_OK
        || EGifPutImageDesc(gif_, part.x(), part.y(), part.width(), part.height(), false, nullptr) != GIF_OK)
        return Fail(Error::CannotWrite);
    for (int row = part.top(); row <= part.bottom(); ++row) {
        TakeLine(frame, part, row);
        if (EGifPutLine(gif_, line_.data(), part.width()) != GIF_OK)
            return Fail(Error::CannotWrite);
    }
    anyShown_ = true;
    return true;
}

void GifFile::TakeLine(const std::uint8_t* frame, const QRect& area, int row)
{
    const std::ptrdiff_t start = static_cast<std::ptrdiff_t>(row) * width_ + area.x();
    const std::uint8_t* source = frame + start;
    std::uint8_t* shown = shown_.data() + start;
    const auto width = static_cast<std::size_t>(area.width());
    if (!anyShown_) {
        std::memcpy(line_.data(), source, width);
    } else {
        const auto seeThrough = static_cast<std::uint8_t>(seeThrough_);
        for (std::size_t i = 0; i < width; ++i)
            line_[i] = source[i] == shown[i] ? seeThrough : source[i];
    }
    std::memcpy(shown, source, width);
}

bool GifFile::Commit()
{
    if (error_ != Error::None)
        return false;
    const int closed = EGifCloseFile(gif_, nullptr);
    gif_ = nullptr;
    if (closed != GIF_OK)
        return Fail(Error::CannotWrite);
    if (!file_.Commit())
        return Fail(Error::CannotWrite);
    return true;
}

bool GifFile::Fail(Error error)
{
    if (error_ == Error::None)
        error_ = error;
    return false;
}

QString GifFile::ErrorText() const
{
    return file_.ErrorText();
}
