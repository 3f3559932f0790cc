#include "animation/GifFile.h"

#include <gif_lib.h>

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

GifFile::GifFile(const QString& path, int width, int height, const std::array<std::uint32_t, 256>& palette)
    : file_(path), width_(width), height_(height)
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
    ColorMapObject* colours = GifMakeMapObject(256, nullptr);
    if (colours == nullptr)
        return false;
    for (int i = 0; i < 256; ++i) {
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
    control.DisposalMode = DISPOSE_DO_NOT;
    control.DelayTime = delayCs;
    control.TransparentColor = NO_TRANSPARENT_COLOR;
    GifByteType extension[4];
    const auto length = EGifGCBToExtension(&control, extension);
    if (EGifPutExtension(gif_, GRAPHICS_EXT_FUNC_CODE, static_cast<int>(length), extension) != GIF_OK
        || EGifPutImageDesc(gif_, part.x(), part.y(), part.width(), part.height(), false, nullptr) != GIF_OK)
        return Fail(Error::CannotWrite);
    for (int row = part.top(); row <= part.bottom(); ++row) {
        // giflib takes the line as its own to read; it does not change it.
        auto* line = const_cast<GifByteType*>(frame + static_cast<std::ptrdiff_t>(row) * width_ + part.x());
        if (EGifPutLine(gif_, line, part.width()) != GIF_OK)
            return Fail(Error::CannotWrite);
    }
    return true;
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
