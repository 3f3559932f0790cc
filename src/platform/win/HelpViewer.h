#pragma once

#include "win/Types.h"

#include <QString>

#include <cstdint>

namespace win {

// Help commands.
inline constexpr unsigned HELP_CONTEXT = 0x0001;
inline constexpr unsigned HELP_QUIT = 0x0002;
inline constexpr unsigned HELP_CONTENTS = 0x0003;

struct HelpRequest {
    HWND owner = nullptr;
    QString file; // as the caller named it; relative names are looked up by the viewer
    unsigned command = HELP_CONTENTS;
    std::uintptr_t data = 0;
};

// Whoever shows help files. The real one opens a window with the file's text; tests install a fake.
class HelpViewer {
public:
    virtual ~HelpViewer() = default;
    // True when the request was carried out.
    virtual bool Show(const HelpRequest& request) = 0;
};

// Asks the help viewer to act on a help file. A file that cannot be found or read is reported to
// the user by the viewer, and the call returns false.
bool WinHelpA(HWND owner, const char* file, unsigned command, std::uintptr_t data);

// Replaces the viewer; nullptr restores the real one. The caller keeps it alive.
void SetHelpViewer(HelpViewer* viewer);

} // namespace win
