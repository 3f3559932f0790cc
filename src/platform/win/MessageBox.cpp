#include "win/MessageBox.h"

#include <QCoreApplication>
#include <QPushButton>
#include <QMessageBox>

#include <utility>
#include <vector>

namespace win {

namespace {

// The context this file's texts are translated in.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(MessageBox)
};

using Button = std::pair<QMessageBox::StandardButton, int>;

std::vector<Button> ButtonsOf(unsigned style)
{
    switch (style & 0x0F) {
    case MB_OKCANCEL:
        return {{QMessageBox::Ok, IDOK}, {QMessageBox::Cancel, IDCANCEL}};
    case MB_ABORTRETRYIGNORE:
        return {{QMessageBox::Abort, IDABORT}, {QMessageBox::Retry, IDRETRY}, {QMessageBox::Ignore, IDIGNORE}};
    case MB_YESNOCANCEL:
        return {{QMessageBox::Yes, IDYES}, {QMessageBox::No, IDNO}, {QMessageBox::Cancel, IDCANCEL}};
    case MB_YESNO:
        return {{QMessageBox::Yes, IDYES}, {QMessageBox::No, IDNO}};
    case MB_RETRYCANCEL:
        return {{QMessageBox::Retry, IDRETRY}, {QMessageBox::Cancel, IDCANCEL}};
    default:
        return {{QMessageBox::Ok, IDOK}};
    }
}

std::size_t DefaultOf(unsigned style, std::size_t buttons)
{
    return (style & MB_DEFBUTTON2) && buttons > 1 ? 1 : 0;
}

QMessageBox::Icon IconOf(unsigned style)
{
    switch (style & 0xF0) {
    case MB_ICONSTOP: return QMessageBox::Critical;
    case MB_ICONQUESTION: return QMessageBox::Question;
    case MB_ICONEXCLAMATION: return QMessageBox::Warning;
    case MB_ICONINFORMATION: return QMessageBox::Information;
    default: return QMessageBox::NoIcon;
    }
}

// The standard buttons' captions in the program's language. The marked letter alone, without
// Alt, presses the button, as in the system's own boxes.
QString ButtonCaption(QMessageBox::StandardButton button)
{
    switch (button) {
    case QMessageBox::Ok: return QStringLiteral("OK");
    case QMessageBox::Cancel: return Texts::tr("&Anuluj");
    case QMessageBox::Yes: return Texts::tr("&Tak");
    case QMessageBox::No: return Texts::tr("&Nie");
    case QMessageBox::Abort: return Texts::tr("Przerwij");
    case QMessageBox::Retry: return Texts::tr("&Ponów próbę");
    case QMessageBox::Ignore: return Texts::tr("Ignoruj");
    default: return {};
    }
}

class ModalMessageBoxes final : public MessageBoxAnswerer {
public:
    int Answer(const MessageBoxRequest& request) override
    {
        QMessageBox box(IconOf(request.style), request.caption, request.text, QMessageBox::NoButton,
                        request.owner);
        box.setWindowModality(request.owner ? Qt::WindowModal : Qt::ApplicationModal);
        const std::vector<Button> buttons = ButtonsOf(request.style);
        for (std::size_t i = 0; i < buttons.size(); ++i)
            box.addButton(buttons[i].first)
                ->setText(i < request.captions.size() ? request.captions[i] : ButtonCaption(buttons[i].first));
        box.setDefaultButton(buttons[DefaultOf(request.style, buttons.size())].first);
        // Esc and the close box give Cancel where there is one, as with the system's boxes;
        // a lone OK button is also pressed by Esc.
        for (const auto& [standard, result] : buttons) {
            if (result == IDCANCEL || buttons.size() == 1)
                box.setEscapeButton(standard);
        }
        box.exec();
        const auto pressed = box.standardButton(box.clickedButton());
        for (const auto& [standard, result] : buttons) {
            if (standard == pressed)
                return result;
        }
        return buttons.size() == 1 ? IDOK : IDCANCEL;
    }
};

ModalMessageBoxes modalBoxes;
MessageBoxAnswerer* installedAnswerer = &modalBoxes;

} // namespace

std::vector<int> AnswersOf(unsigned style)
{
    std::vector<int> answers;
    for (const auto& [standard, result] : ButtonsOf(style))
        answers.push_back(result);
    std::swap(answers.front(), answers[DefaultOf(style, answers.size())]);
    return answers;
}

int MessageBox(const MessageBoxRequest& request)
{
    return installedAnswerer->Answer(request);
}

void SetMessageBoxAnswerer(MessageBoxAnswerer* answerer)
{
    installedAnswerer = answerer ? answerer : &modalBoxes;
}

} // namespace win
