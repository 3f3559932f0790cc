#include "DXErrors.h"

#include "ErrorText.h"

#include "win/MessageBox.h"
#include "win/MessagePump.h"

#include <QString>

win::HRESULT CheckDXResult(win::HRESULT value)
{
    switch (value) {
    case 0: case 1: case 2: case 3: case 4: case 8: case 12:
        return 0;
    default:
        break;
    }
    const QString caption = QStringLiteral("DirectX Error  ")
                            + QString::number(static_cast<std::uint32_t>(value), 16).rightJustified(8, QLatin1Char('0')).toUpper();
    const int answer = win::MessageBox({nullptr, QString::fromLatin1(ErrorText(value)), caption,
                                        win::MB_RETRYCANCEL | win::MB_ICONSTOP});
    if (answer == win::IDCANCEL)
        win::PostQuitMessage(0);
    return value;
}
