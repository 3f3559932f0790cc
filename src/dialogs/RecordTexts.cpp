#include "dialogs/RecordTexts.h"

#include "turtle/SheetColors.h"

#include <QCoreApplication>

#include <array>

namespace {

QString ColourName(int storedColour)
{
    return CellColourName(ColorToCell(storedColour));
}

// The pen dialog's modes.
constexpr std::array<const char*, 3> kPenModes = {QT_TRANSLATE_NOOP("RecordTexts", "rysowanie"),
                                                   QT_TRANSLATE_NOOP("RecordTexts", "usuwanie"),
                                                   QT_TRANSLATE_NOOP("RecordTexts", "odwracanie")};

QString Translated(const char* text)
{
    return QCoreApplication::translate("RecordTexts", text);
}

} // namespace

QString RecordEntryText(const RecordEntry& entry)
{
    const auto withAmount = [&](const char* command) {
        const QString text = QStringLiteral("%1 %2").arg(Translated(command)).arg(entry.Amount);
        return entry.StoppedAfter == 0 ? text : text + QCoreApplication::translate("RecordTexts", " – zatrzymany");
    };
    switch (entry.Op) {
    case RecordOp::Start: return QCoreApplication::translate("RecordTexts", "Początek strony, kolor tła: %1").arg(ColourName(entry.Amount));
    case RecordOp::Forward: return withAmount(QT_TRANSLATE_NOOP("RecordTexts", "Naprzód"));
    case RecordOp::Backward: return withAmount(QT_TRANSLATE_NOOP("RecordTexts", "Do tyłu"));
    case RecordOp::Right: return withAmount(QT_TRANSLATE_NOOP("RecordTexts", "W prawo"));
    case RecordOp::Left: return withAmount(QT_TRANSLATE_NOOP("RecordTexts", "W lewo"));
    case RecordOp::Circle: return withAmount(QT_TRANSLATE_NOOP("RecordTexts", "Okrąg"));
    case RecordOp::Square: return withAmount(QT_TRANSLATE_NOOP("RecordTexts", "Kwadrat"));
    case RecordOp::Place: return QCoreApplication::translate("RecordTexts", "Ustawienie żółwia");
    case RecordOp::Home: return QCoreApplication::translate("RecordTexts", "Powrót do środka");
    case RecordOp::Fill: return QCoreApplication::translate("RecordTexts", "Wypełnij");
    case RecordOp::PenUp: return QCoreApplication::translate("RecordTexts", "Pisak podniesiony");
    case RecordOp::PenDown: return QCoreApplication::translate("RecordTexts", "Pisak opuszczony");
    case RecordOp::PenColor: return QCoreApplication::translate("RecordTexts", "Kolor: %1").arg(ColourName(entry.Amount));
    case RecordOp::PenWidth: return QCoreApplication::translate("RecordTexts", "Grubość: %1").arg(entry.Amount);
    case RecordOp::PenMode:
        if (entry.Amount >= 0 && entry.Amount < static_cast<int>(kPenModes.size()))
            return QCoreApplication::translate("RecordTexts", "Pisak: %1").arg(Translated(kPenModes[static_cast<std::size_t>(entry.Amount)]));
        break;
    case RecordOp::Snapshot: return QCoreApplication::translate("RecordTexts", "Zmiana całej strony");
    case RecordOp::Clear: return QCoreApplication::translate("RecordTexts", "Czyszczenie strony");
    case RecordOp::Background: return QCoreApplication::translate("RecordTexts", "Tło: %1").arg(ColourName(entry.Amount));
    }
    return QStringLiteral("?");
}
