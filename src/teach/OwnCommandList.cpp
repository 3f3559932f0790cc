#include "teach/OwnCommandList.h"

#include <algorithm>

OwnCommandPtr OwnCommandList::At(std::size_t index) const
{
    return index < commands_.size() ? commands_[index] : nullptr;
}

const QStringList& OwnCommandList::PanelNames()
{
    static const QStringList names = {
        QStringLiteral("Naprzód"), QStringLiteral("Do tyłu"),  QStringLiteral("W prawo"),
        QStringLiteral("W lewo"),  QStringLiteral("Okrąg"),    QStringLiteral("Kwadrat"),
        QStringLiteral("Pisak"),   QStringLiteral("Wypełnij"), QStringLiteral("Postać"),
        QStringLiteral("Wyczyść"), QStringLiteral("Wróć"),     QStringLiteral("Pokaż"),
    };
    return names;
}

NameProblem OwnCommandList::CheckName(const QString& name, const OwnCommand* except) const
{
    const QString trimmed = name.trimmed();
    if (trimmed.isEmpty())
        return NameProblem::Empty;
    if (trimmed.size() > kMaxOwnNameLength)
        return NameProblem::TooLong;
    if (PanelNames().contains(trimmed, Qt::CaseInsensitive))
        return NameProblem::PanelName;
    if (!std::ranges::all_of(trimmed, [](QChar c) { return c.isLetter(); }))
        return NameProblem::NotLetters;
    if (NameTaken(trimmed, except))
        return NameProblem::Taken;
    return NameProblem::None;
}

bool OwnCommandList::NameTaken(const QString& name, const OwnCommand* except) const
{
    return std::ranges::any_of(commands_, [&](const OwnCommandPtr& command) {
        return command.get() != except && command->Name.compare(name, Qt::CaseInsensitive) == 0;
    });
}

bool OwnCommandList::Add(OwnCommandPtr command)
{
    if (Full() || !command)
        return false;
    commands_.push_back(std::move(command));
    emit Changed();
    return true;
}

void OwnCommandList::Rename(std::size_t index, const QString& name, std::int32_t picture)
{
    if (index >= commands_.size())
        return;
    auto renamed = std::make_shared<OwnCommand>(*commands_[index]);
    renamed->Name = name.trimmed();
    renamed->Picture = picture;
    commands_[index] = std::move(renamed);
    emit Changed();
}

void OwnCommandList::Forget(std::size_t index)
{
    if (index >= commands_.size())
        return;
    commands_.erase(commands_.begin() + static_cast<std::ptrdiff_t>(index));
    emit Changed();
}

void OwnCommandList::Replace(DrawingRecord::CommandList commands)
{
    if (commands.size() > kMaxCommands)
        commands.resize(kMaxCommands);
    commands_ = std::move(commands);
    emit Changed();
}

QString OwnCommandList::FreeName(const QString& name) const
{
    for (int number = 2;; ++number) {
        const QString suffix = QStringLiteral(" %1").arg(number);
        const QString candidate = name.left(kMaxOwnNameLength - static_cast<int>(suffix.size())) + suffix;
        if (!NameTaken(candidate, nullptr))
            return candidate;
    }
}

QStringList OwnCommandList::Merge(const DrawingRecord::CommandList& incoming)
{
    QStringList left;
    const std::size_t before = commands_.size();
    for (const OwnCommandPtr& command : incoming) {
        const auto same = std::ranges::find_if(commands_, [&](const OwnCommandPtr& here) {
            return here->Name.compare(command->Name, Qt::CaseInsensitive) == 0;
        });
        if (same != commands_.end() && SameSteps(**same, *command))
            continue;
        if (Full()) {
            left.append(command->Name);
            continue;
        }
        if (same == commands_.end()) {
            commands_.push_back(command);
            continue;
        }
        auto numbered = std::make_shared<OwnCommand>(*command);
        numbered->Name = FreeName(command->Name);
        commands_.push_back(std::move(numbered));
    }
    if (commands_.size() != before)
        emit Changed();
    return left;
}

QStringList OwnCommandList::Define(const DrawingRecord::CommandList& defined)
{
    QStringList left;
    bool changed = false;
    for (const OwnCommandPtr& command : defined) {
        const auto same = std::ranges::find_if(commands_, [&](const OwnCommandPtr& here) {
            return here->Name.compare(command->Name, Qt::CaseInsensitive) == 0;
        });
        if (same != commands_.end()) {
            changed = changed || !SameSteps(**same, *command) || (*same)->Name != command->Name;
            *same = command;
        } else if (Full()) {
            left.append(command->Name);
        } else {
            commands_.push_back(command);
            changed = true;
        }
    }
    if (changed)
        emit Changed();
    return left;
}
