#pragma once

#include "teach/OwnCommandList.h"
#include "teach/Teaching.h"

#include <QObject>
#include <QString>

#include <cstddef>

class NotebookDocument;
class OwnCommandRow;
class QAction;
class QMenu;
class QToolBar;
class StatusPanels;
class TeachBar;
class TurtleSheet;

// The child's own commands in the window: "Naucz żółwia" with the bar over the view while the
// turtle is shown what to do, the row "Moje polecenia" that runs them, and their menu. The row is
// remembered between runs and saved with the notebook.
class TeachControl : public QObject {
    Q_OBJECT
public:
    TeachControl(QWidget& window, TurtleSheet& sheet, NotebookDocument& document);
    ~TeachControl() override;

    // The row goes under everything in `client`, above `statusBar`, which moves down with the
    // client's bottom edge; the bar stands over `view`. What went wrong with the remembered row
    // is said in `status`.
    void Attach(QWidget& client, QWidget& view, QWidget& statusBar, StatusPanels& status, QMenu& editMenu,
                QToolBar& toolBar);
    QWidget& Row();
    OwnCommandList& Commands() { return commands_; }
    const Teaching& Lesson() const { return teaching_; }

    void Begin();
    // "Gotowe": asks for the name and the picture; refusals leave teaching going on.
    void Finish();
    void Cancel();
    // Closing the program ends a lesson unfinished: true when there is none or the child agrees.
    bool MayClose() const;
    bool Run(std::size_t index, int times);

private:
    void Refuse(const QString& text) const;
    QString NameProblemText(const QString& name, const OwnCommand* except) const;
    // "Zmień nazwę", "Pokaż polecenia" and "Zapomnij" in `menu`, for the row's chosen command.
    void AddChosenCommandActions(QMenu& menu);
    void Rename(std::size_t index);
    void ShowSteps(std::size_t index) const;
    void Forget(std::size_t index);
    bool UsedByPage(const OwnCommand& command) const;
    void Remember();

    QWidget& window_;
    TurtleSheet& sheet_;
    NotebookDocument& document_;
    OwnCommandList commands_;
    Teaching teaching_;
    OwnCommandRow* row_ = nullptr;
    TeachBar* bar_ = nullptr;
    QAction* teach_ = nullptr;
    StatusPanels* status_ = nullptr;
    // What to say once the status bar is there: the remembered row was damaged.
    QString startNotice_;
    bool rememberFailureSaid_ = false;
};
