#include "dialogs/ShapeDlg.h"

#include "dialogs/CharacterPictures.h"
#include "ui_ShapeDlg.h"
#include "win/WindowLook.h"
#include "win/WindowTexts.h"

namespace {

// A picture's tag is the character number it stands for; the frame's is 0.
std::int32_t TagOf(const QObject& picture)
{
    return picture.property("tag").toInt();
}

} // namespace

TShapeDlg::TShapeDlg(QWidget* parent) : QDialog(parent), ui(std::make_unique<Ui::TShapeDlg>())
{
    ui->setupUi(this);
    win::UseWindowLook(*this);
    win::FollowLanguage(*this, [this] { ui->retranslateUi(this); });

    ShowCharacterPictures(*this, *ui->Image1, *ui->Image2, *ui->Image3, *ui->SelImage);
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
    if (QLabel* picture = ClickedPicture(watched, event)) {
        ImageClick(picture);
        return true;
    }
    return QDialog::eventFilter(watched, event);
}
