#pragma once

#include <QRect>
#include <QString>

#include "win/WholeFile.h"

#include <array>
#include <cstdint>
#include <memory>

struct GifFileType;

// An animated GIF picture written frame by frame, all or nothing: the frames go to a temporary
// file beside the target, which takes the target's name only when Commit succeeds. A writer
// dropped without Commit leaves no file behind.
class GifFile {
public:
    enum class Error { None, CannotCreate, CannotWrite };

    // The picture's size and its one colour table; it loops for ever.
    GifFile(const QString& path, int width, int height, const std::array<std::uint32_t, 256>& palette);
    ~GifFile();
    GifFile(const GifFile&) = delete;
    GifFile& operator=(const GifFile&) = delete;

    // Writes the part `area` of a whole-picture `frame` (width × height bytes of colour indices)
    // over what the frames before left, to be shown for `delayCs` hundredths of a second.
    bool AddFrame(const std::uint8_t* frame, const QRect& area, int delayCs);
    bool Commit();

    Error LastError() const { return error_; }
    // Why the file could not be written, for the user ("na dysku brakuje miejsca", …).
    QString ErrorText() const;

private:
    bool WriteHeader(const std::array<std::uint32_t, 256>& palette);
    bool Fail(Error error);

    win::WholeFile file_;
    GifFileType* gif_ = nullptr;
    int width_;
    int height_;
    Error error_ = Error::None;
};
