#include "dialogs/BackgroundPicture.h"

#include "turtle/TurtleSheet.h"
#include "win/BitmapFile.h"
#include "win/MessageBox.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QGridLayout>
#include <QLabel>
#include <QPixmap>
#include <QStandardPaths>

namespace {

// The context this file's texts are translated in.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(BackgroundPicture)
};

QString Caption()
{
    return Texts::tr("Umieść tło");
}
constexpr QSize kPreviewSize(160, 160);

// The non-native dialog lays itself out in a grid; the preview takes a column of its own at the
// right, beside the file list.
void AddPreview(QFileDialog& dialog)
{
    auto* grid = qobject_cast<QGridLayout*>(dialog.layout());
    if (grid == nullptr)
        return;
    auto* preview = new QLabel(&dialog); // owned by the dialog
    preview->setFixedSize(kPreviewSize);
    preview->setAlignment(Qt::AlignCenter);
    preview->setFrameShape(QFrame::StyledPanel);
    grid->addWidget(preview, 1, grid->columnCount(), 1, 1);
    QObject::connect(&dialog, &QFileDialog::currentChanged, preview, [preview](const QString& path) {
        // Read as the sheet will read it: a pipe or device picked in the list must not hold the dialog.
        const QPixmap picture = QPixmap::fromImage(win::ReadBitmapFile(path));
        if (picture.isNull())
            preview->clear();
        else
            preview->setPixmap(picture.scaled(kPreviewSize, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    });
}

} // namespace

QString BackgroundPicturesFolder()
{
    const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    if (!pictures.isEmpty() && QDir(pictures).exists())
        return pictures;
    return QDir::homePath();
}

QString ChooseBackgroundFile(QWidget* owner)
{
    QFileDialog dialog(owner, Caption(), BackgroundPicturesFolder());
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilter(Texts::tr("Obrazki BMP i PNG (*.bmp *.png)"));
    dialog.setDefaultSuffix(QStringLiteral("bmp"));
    AddPreview(dialog);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

bool PlaceBackground(QWidget* owner, TurtleSheet& sheet, const std::function<QString()>& chooseFile)
{
    const QString fileName = chooseFile();
    if (fileName.isEmpty())
        return false;
    if (sheet.LoadBackground(fileName))
        return true;
    win::MessageBox({.owner = owner,
                     .text = Texts::tr("Nie można wczytać tła z pliku „%1”.\n"
                                       "Plik nie istnieje albo nie jest poprawnym obrazkiem BMP ani PNG.")
                                 .arg(QDir::toNativeSeparators(fileName)),
                     .caption = Caption(),
                     .style = win::MB_OK | win::MB_ICONSTOP});
    return false;
}

void RunBackgroundChoice(QWidget* owner, TurtleSheet& sheet)
{
    PlaceBackground(owner, sheet, [owner] { return ChooseBackgroundFile(owner); });
}
