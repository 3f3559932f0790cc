#include "dialogs/RecordTexts.h"

#include "storage/OwnCommand.h"
#include "turtle/SheetColors.h"

#include <QCoreApplication>

#include <array>

namespace {

// The context this file's texts are translated in.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(RecordTexts)
};

QString ColourName(int storedColour)
{
    return CellColourName(ColorToCell(storedColour));
}

// The pen dialog's modes.
constexpr std::array<const char*, 3> kPenModes = {QT_TRANSLATE_NOOP("RecordTexts", "rysowanie"),
                                                   QT_TRANSLATE_NOOP("RecordTexts", "usuwanie"),
                                                   QT_TRANSLATE_NOOP("RecordTexts", "odwracanie")};

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
        const QString text = QStringLiteral("%1 %2").arg(Texts::tr(command)).arg(entry.Amount);
        return entry.StoppedAfter == 0 ? text : text + Texts::tr(" – zatrzymany");
    };
    switch (entry.Op) {
    case RecordOp::Start: return Texts::tr("Początek strony, kolor tła: %1").arg(ColourName(entry.Amount));
    case RecordOp::Forward: return withAmount(QT_TRANSLATE_NOOP("RecordTexts", "Naprzód"));
    case RecordOp::Backward: return withAmount(QT_TRANSLATE_NOOP("RecordTexts", "Do tyłu"));
    case RecordOp::Right: return withAmount(QT_TRANSLATE_NOOP("RecordTexts", "W prawo"));
    case RecordOp::Left: return withAmount(QT_TRANSLATE_NOOP("RecordTexts", "W lewo"));
    case RecordOp::Circle: return withAmount(QT_TRANSLATE_NOOP("RecordTexts", "Okrąg"));
    case RecordOp::Square: return withAmount(QT_TRANSLATE_NOOP("RecordTexts", "Kwadrat"));
    case RecordOp::Place: return Texts::tr("Ustawienie żółwia");
    case RecordOp::Home: return Texts::tr("Powrót do środka");
    case RecordOp::Fill: return Texts::tr("Wypełnij");
    case RecordOp::PenUp: return Texts::tr("Pisak podniesiony");
    case RecordOp::PenDown: return Texts::tr("Pisak opuszczony");
    case RecordOp::PenColor: return Texts::tr("Kolor: %1").arg(ColourName(entry.Amount));
    case RecordOp::PenWidth: return Texts::tr("Grubość: %1").arg(entry.Amount);
    case RecordOp::PenMode:
        if (entry.Amount >= 0 && entry.Amount < static_cast<int>(kPenModes.size()))
            return Texts::tr("Pisak: %1").arg(Texts::tr(kPenModes[static_cast<std::size_t>(entry.Amount)]));
        break;
    case RecordOp::Snapshot: return Texts::tr("Zmiana całej strony");
    case RecordOp::Clear: return Texts::tr("Czyszczenie strony");
    case RecordOp::Background: return Texts::tr("Tło: %1").arg(ColourName(entry.Amount));
    case RecordOp::Own: {
        const QString name = entry.Command ? entry.Command->Name : QString();
        const QString text = Texts::tr("%1 × %2").arg(name).arg(entry.Amount);
        // "polecenie" is neuter.
        return entry.StoppedAfter == 0 ? text : text + Texts::tr(" – zatrzymane");
    }
    case RecordOp::Repeat: {
        const QString steps = entry.Command ? OwnCommandSteps(*entry.Command) : QString();
        const QString text = Texts::tr("Powtórz %1 razy: %2").arg(entry.Amount).arg(steps);
        return entry.StoppedAfter == 0 ? text : text + Texts::tr(" – zatrzymany");
    }
    }
    return QStringLiteral("?");
}
