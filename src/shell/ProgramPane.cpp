#include "shell/ProgramPane.h"

#include "shell/SpokenNotice.h"
#include "win/WindowTexts.h"

#include <QAbstractButton>
#include <QAction>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QToolButton>
#include <QVBoxLayout>

ProgramPane::ProgramPane(QWidget& window, QAction& run, QAction& step) : QDockWidget(&window)
{
    setObjectName(QStringLiteral("ProgramPane"));
    setFeatures(QDockWidget::NoDockWidgetFeatures);
    // A title of its own: the pane is opened and closed by its action only.
    title_ = new QLabel(this);
    title_->setContentsMargins(6, 4, 6, 2);
    setTitleBarWidget(title_);
    auto* body = new QWidget(this);
    auto* layout = new QVBoxLayout(body);
    layout->setContentsMargins(4, 2, 4, 4);
    text_ = new QPlainTextEdit(body);
    text_->setObjectName(QStringLiteral("ProgramText"));
    text_->setTabChangesFocus(true);
    text_->setLineWrapMode(QPlainTextEdit::NoWrap);
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setPointSize(11);
    text_->setFont(font);
    text_->installEventFilter(this);
    layout->addWidget(text_);
    auto* buttons = new QHBoxLayout;
    for (QAction* action : {&run, &step}) {
        auto* button = new QToolButton(body);
        button->setDefaultAction(action);
        button->setToolButtonStyle(Qt::ToolButtonTextOnly);
        buttons->addWidget(button);
    }
    buttons->addStretch();
    layout->addLayout(buttons);
    state_ = new QLabel(body);
    state_->setObjectName(QStringLiteral("ProgramState"));
    state_->setWordWrap(true);
    layout->addWidget(state_);
    notice_ = new SpokenNotice(body);
    setWidget(body);
    connect(text_, &QPlainTextEdit::textChanged, this, [this] {
        if (showing_)
            return;
        const bool marked = MistakeMarked();
        // The marks were of the text as it was.
        walked_ = -1;
        mistakeAt_ = -1;
        ShowMarks();
        SetChanged(true);
        emit Edited(marked);
    });
    win::FollowLanguage(*this, [this] { SetTexts(); });
}

void ProgramPane::SetTexts()
{
    setWindowTitle(tr("Program"));
    title_->setText(windowTitle());
    // The dock's own close and float buttons stay hidden behind the title; their names, given once
    // in the language of the start, would not follow a switch.
    for (QAbstractButton* button : findChildren<QAbstractButton*>(Qt::FindDirectChildrenOnly)) {
        button->setAccessibleName(QString());
        button->setAccessibleDescription(QString());
        button->setToolTip(QString());
    }
    text_->setAccessibleName(tr("Program żółwia"));
    text_->setPlaceholderText(tr("Kliknij przyciski albo napisz, np. powtórz 4 [naprzód 50 prawo 90], i naciśnij F9."));
    state_->setText(changed_ ? tr("Program zmieniony, jeszcze nie uruchomiony: F9 go uruchamia.") : QString());
}

void ProgramPane::TakeKeyboard()
{
    text_->setFocus(Qt::ShortcutFocusReason);
}

QString ProgramPane::Text() const
{
    return text_->toPlainText();
}

void ProgramPane::ShowText(const QString& text)
{
    if (text == text_->toPlainText())
        return;
    const int caret = text_->textCursor().position();
    showing_ = true;
    text_->setPlainText(text);
    showing_ = false;
    QTextCursor cursor = text_->textCursor();
    cursor.setPosition(std::min(caret, static_cast<int>(text.size())));
    text_->setTextCursor(cursor);
    SetChanged(false);
}

void ProgramPane::PutText(const QString& text)
{
    text_->setPlainText(text);
}

void ProgramPane::SetChanged(bool changed)
{
    if (changed == changed_)
        return;
    changed_ = changed;
    SetTexts();
}

void ProgramPane::MarkWalked(int offset)
{
    if (offset == walked_)
        return;
    walked_ = offset;
    ShowMarks();
    if (offset >= 0) {
        text_->setTextCursor(QTextCursor(text_->document()->findBlock(offset)));
        text_->ensureCursorVisible();
    }
}

void ProgramPane::MarkMistake(int offset, int length, const QString& sentence, bool takeCaret)
{
    mistakeAt_ = offset;
    mistakeLength_ = std::max(length, 1);
    if (takeCaret) {
        QTextCursor cursor = text_->textCursor();
        cursor.setPosition(offset);
        text_->setTextCursor(cursor);
    }
    ShowMarks();
    notice_->Say(sentence);
}

void ProgramPane::ClearMarks()
{
    walked_ = -1;
    mistakeAt_ = -1;
    ShowMarks();
}

void ProgramPane::SetBusy(bool busy)
{
    text_->setReadOnly(busy);
}

void ProgramPane::ShowMarks()
{
    QList<QTextEdit::ExtraSelection> marks;
    if (walked_ >= 0) {
        QTextEdit::ExtraSelection line;
        line.format.setBackground(QColor(0xff, 0xf1, 0x76));
        line.format.setProperty(QTextFormat::FullWidthSelection, true);
        line.cursor = QTextCursor(text_->document()->findBlock(walked_));
        marks << line;
    }
    if (mistakeAt_ >= 0) {
        QTextEdit::ExtraSelection mistake;
        mistake.format.setUnderlineStyle(QTextCharFormat::WaveUnderline);
        mistake.format.setUnderlineColor(Qt::red);
        mistake.format.setBackground(QColor(0xff, 0xcd, 0xd2));
        mistake.cursor = QTextCursor(text_->document());
        mistake.cursor.setPosition(mistakeAt_);
        mistake.cursor.setPosition(mistakeAt_ + mistakeLength_, QTextCursor::KeepAnchor);
        marks << mistake;
    }
    text_->setExtraSelections(marks);
}

bool ProgramPane::eventFilter(QObject* watched, QEvent* event)
{
    // Ctrl+Tab leaves the text as Tab does; the text keeps every other key.
    if (watched == text_ && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if ((key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) && key->modifiers().testFlag(Qt::ControlModifier)) {
            focusNextPrevChild(key->key() == Qt::Key_Tab && !key->modifiers().testFlag(Qt::ShiftModifier));
            return true;
        }
    }
    return QDockWidget::eventFilter(watched, event);
}
