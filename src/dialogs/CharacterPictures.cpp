#include "dialogs/CharacterPictures.h"

#include <QIcon>
#include <QLabel>
#include <QMouseEvent>

void InitDialogResources()
{
    Q_INIT_RESOURCE(dialogs);
}

namespace {

void ShowPicture(QLabel& label, const QString& resource)
{
    label.setPixmap(QIcon(resource).pixmap(label.size()));
}

} // namespace

void ShowCharacterPictures(QObject& dialog, QLabel& lizard, QLabel& snail, QLabel& turtle, QLabel& selection)
{
    InitDialogResources();
    // Disabled characters are drawn greyed by their labels.
    ShowPicture(lizard, QStringLiteral(":/dialogs/lizard.svg"));
    ShowPicture(snail, QStringLiteral(":/dialogs/snail.svg"));
    ShowPicture(turtle, QStringLiteral(":/dialogs/turtle.svg"));
    ShowPicture(selection, QStringLiteral(":/dialogs/selection.svg"));
    selection.setAttribute(Qt::WA_TransparentForMouseEvents);
    for (QLabel* picture : {&lizard, &snail, &turtle})
        picture->installEventFilter(&dialog);
}

QLabel* ClickedPicture(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::MouseButtonRelease)
        return nullptr;
    auto* picture = qobject_cast<QLabel*>(watched);
    const auto* mouse = static_cast<QMouseEvent*>(event);
    if (picture != nullptr && picture->isEnabled() && mouse->button() == Qt::LeftButton
        && picture->rect().contains(mouse->position().toPoint()))
        return picture;
    return nullptr;
}
