#include "shell/ExceptionBox.h"

#include "win/MessageBox.h"

#include <QCoreApplication>

namespace {

void Show(const QString& text)
{
    win::MessageBox({nullptr, text, QCoreApplication::applicationName(), win::MB_OK | win::MB_ICONSTOP});
}

} // namespace

void ShowExceptionBox(const std::exception& error)
{
    Show(QString::fromLocal8Bit(error.what()));
}

void ShowUnknownExceptionBox()
{
    Show(QCoreApplication::translate("ExceptionBox", "Nieznany błąd."));
}
