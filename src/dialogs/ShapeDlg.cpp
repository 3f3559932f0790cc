#include "dialogs/ShapeDlg.h"

#include "ui_ShapeDlg.h"
#include "win/WindowLook.h"

#include <QIcon>
#include <QMouseEvent>

// The pictures live in this library's resources, which a static link would drop unless they are
// named once.
static void InitDialogResources()
{
    Q_INIT_RESOURCE(dialogs);
}

namespace {

constexpr QSize kPictureSize(100, 100);

// A picture's tag is the character number it stands for; the frame's is 0.
std::int32_t TagOf(const QObject& picture)
{
    return picture.property("tag").toInt();
}

void ShowPicture(QLabel& label, const QString& resource)
{
    label.setPixmap(QIcon(resource).pixmap(kPictureSize));
}

} // namespace

TShapeDlg::TShapeDlg(QWidget* parent) : QDialog(parent), ui(std::make_unique<Ui::TShapeDlg>())
{
    InitDialogResources();
    ui->setupUi(this);
    win::UseWindowLook(*this);

    ShowPicture(*ui->Image1, QStringLiteral(":/dialogs/lizard.svg"));
    ShowPicture(*ui->Image2, QStringLiteral(":/dialogs/snail.svg"));
    ShowPicture(*ui->Image3, QStringLiteral(":/dialogs/turtle.svg"));
    ShowPicture(*ui->SelImage, QStringLiteral(":/dialogs/selection.svg"));
    // The frame lies over the selected picture; clicks must reach the picture beneath it.
    ui->SelImage->setAttribute(Qt::WA_TransparentForMouseEvents);

    for (QLabel* picture : {ui->Image1, ui->Image2, ui->Image3})
        picture->installEventFilter(this);
    connect(ui->OkBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(ui->CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
}

TShapeDlg::~TShapeDlg() = default;

void TShapeDlg::ImageClick(QLabel* sender)
{
    if (sender == nullptr)
        return;
    ui->SelImage->move(sender->pos());
    SelectedShape = TagOf(*sender);
}

void TShapeDlg::FormActivate()
{
    // Creation order decides: with SelectedShape 0 the first picture found is the frame itself,
    // so the frame stays put.
    for (QObject* child : children()) {
        auto* picture = qobject_cast<QLabel*>(child);
        if (picture != nullptr && TagOf(*picture) == SelectedShape) {
            ImageClick(picture);
            return;
        }
    }
}

void TShapeDlg::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    FormActivate();
}

bool TShapeDlg::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonRelease) {
        auto* picture = qobject_cast<QLabel*>(watched);
        const auto* mouse = static_cast<QMouseEvent*>(event);
        // A click is a left press and release both inside the picture; a disabled one takes none.
        if (picture != nullptr && picture->isEnabled() && mouse->button() == Qt::LeftButton
            && picture->rect().contains(mouse->position().toPoint())) {
            ImageClick(picture);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}
