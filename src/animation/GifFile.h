#pragma once

#include <QRect>
#include <QString>

#include "win/WholeFile.h"

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

struct GifFileType;

// An animated GIF picture written frame by frame, all or nothing: the frames go to a temporary
// file beside the target, which takes the target's name only when Commit succeeds. A writer
// dropped without Commit leaves no file behind.
class GifFile {
public:
    enum class Error { None, CannotCreate, CannotWrite };

    // The picture's size and its one colour table, of which the frames use the first `colours`
    // (at most 255: the next index is kept free to mean "as it was"); it loops for ever.
    GifFile(const QString& path, int width, int height, const std::array<std::uint32_t, 256>& palette, int colours);
    ~GifFile();
    GifFile(const GifFile&) = delete;
    GifFile& operator=(const GifFile&) = delete;

    // Writes the part `area` of a whole-picture `frame` (width × height bytes of colour indices)
    // over what the frames before left, to be shown for `delayCs` hundredths of a second. Pixels
    // that are as the frames before left them are written see-through, so the codes run long.
    bool AddFrame(const std::uint8_t* frame, const QRect& area, int delayCs);
    bool Commit();

    Error LastError() const { return error_; }
    // Why the file could not be written, for the user ("na dysku brakuje miejsca", …).
    QString ErrorText() const;

private:
    bool WriteHeader(const std::array<std::uint32_t, 256>& palette);
    // Puts into the line being written the row `row` of `area` in `frame`, see-through where it is
    // as shown, and shows it.
    void TakeLine(const std::uint8_t* frame, const QRect& area, int row);
    bool Fail(Error error);

    win::WholeFile file_;
    GifFileType* gif_ = nullptr;
    int width_;
    int height_;
    int seeThrough_;
    // What a viewer shows once the frames so far are drawn, and whether any is.
    std::vector<std::uint8_t> shown_;
    bool anyShown_ = false;
    std::vector<std::uint8_t> line_;
    Error error_ = Error::None;
};
