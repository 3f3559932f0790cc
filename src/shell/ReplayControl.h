#pragma once

#include "notebook/PageReplay.h"
#include "shell/MainLoopPass.h"

#include <QObject>
#include <QPointer>

class QAction;
class RecordListDlg;
class TMainForm;

// "Odtwórz stronę" and "Jak powstał rysunek": the current page drawn again from its record by
// the turtle in the 3D view, the window locked as during a command, and the record as a list
// whose line follows the replay. The main loop walks the replay; Esc stops it.
class ReplayControl : public QObject, public LoopWalk {
public:
    explicit ReplayControl(TMainForm& form);
    ~ReplayControl() override;

    // Puts the actions in the Edycja menu under Ponów and on the tool bar after its button.
    void AddActions();
    void Play();
    void ShowList();

    bool Walking() const override { return replay_.Running(); }
    void Step(std::uint32_t dt) override { replay_.Step(dt); }
    void Stop() override { replay_.Stop(); }
    // Whether the last replay to end by itself drew the page bit for bit.
    bool Matched() const { return replay_.Matched(); }

private:
    void Ended();

    TMainForm& form_;
    PageReplay replay_;
    QPointer<RecordListDlg> list_;
};
