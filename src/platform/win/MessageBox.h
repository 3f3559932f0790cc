#pragma once

#include <QString>

#include <vector>

class QWidget;

namespace win {

// Dialog results.
inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;
inline constexpr int IDABORT = 3;
inline constexpr int IDRETRY = 4;
inline constexpr int IDIGNORE = 5;
inline constexpr int IDYES = 6;
inline constexpr int IDNO = 7;

// Message-box styles: the buttons in the low four bits, the icon in the next four.
inline constexpr unsigned MB_OK = 0x00;
inline constexpr unsigned MB_OKCANCEL = 0x01;
inline constexpr unsigned MB_ABORTRETRYIGNORE = 0x02;
inline constexpr unsigned MB_YESNOCANCEL = 0x03;
inline constexpr unsigned MB_YESNO = 0x04;
inline constexpr unsigned MB_RETRYCANCEL = 0x05;
inline constexpr unsigned MB_ICONSTOP = 0x10;
inline constexpr unsigned MB_ICONQUESTION = 0x20;
inline constexpr unsigned MB_ICONEXCLAMATION = 0x30;
inline constexpr unsigned MB_ICONINFORMATION = 0x40;
// The second button is the default (Enter) one, where the first would do harm.
inline constexpr unsigned MB_DEFBUTTON2 = 0x100;

struct MessageBoxRequest {
    QWidget* owner = nullptr; // nullptr: owned by the application
    QString text;
    QString caption;
    unsigned style = MB_OK;
    unsigned short language = 0;
    // Captions for the buttons in their order, where the standard ones would not say enough.
    std::vector<QString> captions{};
};

// Whoever answers message boxes. The real one shows a modal box; tests install a scripted one.
class MessageBoxAnswerer {
public:
    virtual ~MessageBoxAnswerer() = default;
    virtual int Answer(const MessageBoxRequest& request) = 0;
};

// Shows a modal message box and returns the pressed button's dialog result.
int MessageBox(const MessageBoxRequest& request);

// The dialog results a box of this style can give, its default button's first.
std::vector<int> AnswersOf(unsigned style);

// Replaces the answerer; nullptr restores the real, modal one. The caller keeps it alive.
void SetMessageBoxAnswerer(MessageBoxAnswerer* answerer);

} // namespace win
