#pragma once

#include <QCoreApplication>
#include <QDockWidget>
#include <QString>

class QAction;
class QLabel;
class QPlainTextEdit;
class SpokenNotice;

// The pane "Program" beside the 3D view: the page's program as text the child may change, its
// buttons, a line saying when the text was changed and not run, and marks for the line being
// walked and for a mistake. While the text has the keyboard it takes letters, digits, arrows
// and Space; Tab and Ctrl+Tab leave it.
class ProgramPane : public QDockWidget {
    Q_OBJECT
public:
    ProgramPane(QWidget& window, QAction& run, QAction& step);

    QString Text() const;
    // Shows a text the program wrote: nothing is marked changed, the caret stays where it was.
    void ShowText(const QString& text);
    // The child's own text, as from a file: changed and not run.
    void PutText(const QString& text);
    bool Changed() const { return changed_; }
    // The child opened the pane to write: the text takes the keyboard.
    void TakeKeyboard();
    void SetChanged(bool changed);

    // The line holding the text at `offset` marked as the one walked; below nought for none.
    void MarkWalked(int offset);
    // The mistake marked and its sentence said to a screen reader; the caret put on it unless
    // the child is typing.
    void MarkMistake(int offset, int length, const QString& sentence, bool takeCaret = true);
    bool MistakeMarked() const { return mistakeAt_ >= 0; }
    void ClearMarks();
    // While the turtle walks, the text stays as it is.
    void SetBusy(bool busy);

signals:
    // The child changed the text; `mistakeWasMarked`: a mistake was marked before.
    void Edited(bool mistakeWasMarked);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void SetTexts();
    void ShowMarks();

    QLabel* title_ = nullptr;
    QPlainTextEdit* text_ = nullptr;
    QLabel* state_ = nullptr;
    SpokenNotice* notice_ = nullptr;
    bool changed_ = false;
    bool showing_ = false;
    int walked_ = -1;
    int mistakeAt_ = -1;
    int mistakeLength_ = 0;
};
