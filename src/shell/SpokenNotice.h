#pragma once

#include <QString>
#include <QWidget>

// A notice a screen reader speaks as it appears, wherever the keyboard is: it is a notification
// whose name is its text. Say shows it anew with a text, so that each saying is one appearance.
class SpokenNotice : public QWidget {
    Q_OBJECT
public:
    explicit SpokenNotice(QWidget* parent);

    const QString& Text() const { return text_; }
    void SetText(const QString& text);
    void Say(const QString& text);

private:
    QString text_;
};

// Answers screen readers for every SpokenNotice; installed once.
void InstallSpokenNoticeAccessibility();
