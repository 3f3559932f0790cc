#pragma once

#include "storage/OwnCommand.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <cstddef>

// Why a name cannot be a new own command's.
enum class NameProblem {
    None,
    Empty,
    TooLong,
    NotLetters,
    PanelName, // a button of the panel has it
    Taken,     // another own command has it
};

// The row of own commands the child can run: at most six, each under a name no other has.
class OwnCommandList : public QObject {
    Q_OBJECT
public:
    static constexpr std::size_t kMaxCommands = 6;

    const DrawingRecord::CommandList& Commands() const { return commands_; }
    std::size_t Size() const { return commands_.size(); }
    bool Full() const { return commands_.size() >= kMaxCommands; }
    // The command at `index`, or none.
    OwnCommandPtr At(std::size_t index) const;

    // Whether `name` may be given to a command; `except` keeps its own name when renamed.
    NameProblem CheckName(const QString& name, const OwnCommand* except = nullptr) const;
    // False, adding nothing, when the row is full.
    bool Add(OwnCommandPtr command);
    // Records that ran the command keep it as it was.
    void Rename(std::size_t index, const QString& name, std::int32_t picture);
    void Forget(std::size_t index);
    void Replace(DrawingRecord::CommandList commands);
    // Adds commands brought from elsewhere: one already here is left, one whose name is taken
    // by other steps comes under a number. The names of those the full row left out are returned.
    QStringList Merge(const DrawingRecord::CommandList& incoming);
    // Commands a program defines: each takes the place of the one of its name, or joins the
    // row while there is room. The names of those the full row left out are returned.
    QStringList Define(const DrawingRecord::CommandList& defined);

    // The names of the panel's buttons, which no own command may take.
    static const QStringList& PanelNames();

signals:
    void Changed();

private:
    bool NameTaken(const QString& name, const OwnCommand* except) const;
    QString FreeName(const QString& name) const;

    DrawingRecord::CommandList commands_;
};
