#include "dialogs/AboutDlg.h"

#include "dialogs/CharacterPictures.h"
#include "ui_AboutDlg.h"
#include "win/WindowLook.h"
#include "win/WindowTexts.h"

#include <QFile>
#include <QImage>
#include <QPixmap>

#include <utility>

namespace {

// The character dialog shows the reptile greyed out, as it cannot be chosen; the about box shows
// the same drawing in its colours: a green reptile under a red and yellow propeller cap.
constexpr std::pair<const char*, const char*> kReptileColours[] = {
    {"#4d4d4d", "#2f5d1f"}, // outline
    {"#8c8c8c", "#5e9c3a"}, // far legs
    {"#a9a9a9", "#7cc24a"}, // body, head, near legs
    {"#c9c9c9", "#d4ee9e"}, // belly
    {"#878787", "#4c8a2c"}, // spots
    {"#777777", "#d9342b"}, // cap
    {"#d0d0d0", "#f6c81b"}, // cap panel
    {"#5e5e5e", "#2b6fd8"}, // propeller blades
    {"#9e9e9e", "#ef8a1a"},
};

QPixmap ColouredReptile()
{
    QFile file(QStringLiteral(":/dialogs/lizard.svg"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QByteArray svg = file.readAll();
    for (const auto& [grey, colour] : kReptileColours)
        svg.replace(grey, colour);
    return QPixmap::fromImage(QImage::fromData(svg, "SVG"));
}

} // namespace

TAboutDlg::TAboutDlg(QWidget* parent) : QDialog(parent), ui(std::make_unique<Ui::TAboutDlg>())
{
    InitDialogResources();
    ui->setupUi(this);
    win::UseWindowLook(*this);
    // A fixed box with only the system menu and its close box in the title bar.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowCloseButtonHint);

    ui->Image1->setPixmap(ColouredReptile());
    QFont title(QStringLiteral("MS Sans Serif"));
    title.setPixelSize(13);
    title.setBold(true);
    ui->Label1->setFont(title);
    ui->Label1->adjustSize();
    win::FollowLanguage(*this, [this] {
        ui->retranslateUi(this);
        ui->VersionLabel->setText(tr("Wersja %1").arg(QStringLiteral(QEL_VERSION)));
    });

    connect(ui->BitBtn1, &QPushButton::clicked, this, &QDialog::accept);
}

TAboutDlg::~TAboutDlg() = default;
