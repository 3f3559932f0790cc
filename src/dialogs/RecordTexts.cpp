#include "dialogs/RecordTexts.h"

#include "storage/OwnCommand.h"
#include "turtle/SheetColors.h"

#include <QCoreApplication>

#include <array>

namespace {

QString ColourName(int storedColour)
{
    return QString::fromUtf8(CellColourName(ColorToCell(storedColour)));
}

// The pen dialog's modes.
constexpr std::array<const char*, 3> kPenModes = {"rysowanie", "usuwanie", "odwracanie"};

} // namespace

QString OwnCommandSteps(const OwnCommand& command)
{
    QStringList steps;
    for (std::size_t i = 0; i < command.Steps.Size(); ++i)
        steps << RecordEntryText(command.Steps.HeadAt(i));
    return steps.join(QStringLiteral(", "));
}

QString RecordEntryText(const RecordEntry& entry)
{
    const auto withAmount = [&](const char* command) {
        const QString text = QStringLiteral("%1 %2").arg(QString::fromUtf8(command)).arg(entry.Amount);
        return entry.StoppedAfter == 0 ? text : text + QStringLiteral(" – zatrzymany");
    };
    switch (entry.Op) {
    case RecordOp::Start: return QStringLiteral("Początek strony, kolor tła: %1").arg(ColourName(entry.Amount));
    case RecordOp::Forward: return withAmount("Naprzód");
    case RecordOp::Backward: return withAmount("Do tyłu");
    case RecordOp::Right: return withAmount("W prawo");
    case RecordOp::Left: return withAmount("W lewo");
    case RecordOp::Circle: return withAmount("Okrąg");
    case RecordOp::Square: return withAmount("Kwadrat");
    case RecordOp::Place: return QStringLiteral("Ustawienie żółwia");
    case RecordOp::Home: return QStringLiteral("Powrót do środka");
    case RecordOp::Fill: return QStringLiteral("Wypełnij");
    case RecordOp::PenUp: return QStringLiteral("Pisak podniesiony");
    case RecordOp::PenDown: return QStringLiteral("Pisak opuszczony");
    case RecordOp::PenColor: return QStringLiteral("Kolor: %1").arg(ColourName(entry.Amount));
    case RecordOp::PenWidth: return QStringLiteral("Grubość: %1").arg(entry.Amount);
    case RecordOp::PenMode:
        if (entry.Amount >= 0 && entry.Amount < static_cast<int>(kPenModes.size()))
            return QStringLiteral("Pisak: %1").arg(QString::fromUtf8(kPenModes[static_cast<std::size_t>(entry.Amount)]));
        break;
    case RecordOp::Snapshot: return QStringLiteral("Zmiana całej strony");
    case RecordOp::Clear: return QStringLiteral("Czyszczenie strony");
    case RecordOp::Background: return QStringLiteral("Tło: %1").arg(ColourName(entry.Amount));
    case RecordOp::Own: {
        const QString name = entry.Command ? entry.Command->Name : QString();
        const QString text = QCoreApplication::translate("RecordTexts", "%1 × %2").arg(name).arg(entry.Amount);
        return entry.StoppedAfter == 0 ? text : text + QStringLiteral(" – zatrzymany");
    }
    }
    return QStringLiteral("?");
}
