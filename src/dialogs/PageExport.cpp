#include "dialogs/PageExport.h"

#include "storage/PagePicture.h"
#include "turtle/TurtleState.h"
#include "win/MessageBox.h"
#include "win/WholeFile.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QStandardPaths>

#include <cerrno>

namespace {

// The context this file's texts are translated in.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(PageExport)
};

const QString kPictureCaption = QStringLiteral("QEL 3D");

// Made when it is missing; the home folder only when there is none to make.
QString PicturesFolder()
{
    const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    return !pictures.isEmpty() && QDir().mkpath(pictures) ? pictures : QDir::homePath();
}

} // namespace

QString SharedPagePath(const SharedPage& page, const QString& suffix)
{
    const QString name = Texts::tr("%1, strona %2.%3")
                             .arg(page.notebook.isEmpty() ? Texts::tr("Rysunek") : page.notebook)
                             .arg(page.number)
                             .arg(suffix);
    return QDir(PicturesFolder()).filePath(name);
}

QString AskSharedPath(QWidget* parent, const QString& title, const QString& filter, const QString& suggested,
                      QString* chosen)
{
    QFileDialog dialog(parent, title);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilter(filter);
    dialog.setDefaultSuffix(QFileInfo(suggested).suffix());
    dialog.selectFile(suggested);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    if (chosen)
        *chosen = dialog.selectedNameFilter();
    return dialog.selectedFiles().constFirst();
}

PageExport::PageExport(const SharedPage& page, PageEdges edges)
    : page_(PagePicture(page.image)), edges_(edges),
      picture_(edges == PageEdges::Smooth
                   ? SmoothPagePicture(page.image)
                   : page_.scaled(kSheetSize * kEnlargement, kSheetSize * kEnlargement, Qt::IgnoreAspectRatio,
                                  Qt::FastTransformation)),
      suggestedPath_(SharedPagePath(page, QStringLiteral("png")))
{
}

QString PageExport::SuggestedPath() const
{
    return suggestedPath_;
}

int PageExport::WriteTo(const QString& path) const
{
    // Made whole in memory first: the PNG coder never meets a full disk half-way.
    QByteArray png;
    QBuffer buffer(&png);
    if (!buffer.open(QIODevice::WriteOnly) || !picture_.save(&buffer, "PNG"))
        return EIO;
    // Written beside the file and put in its place only when complete: a full disk leaves no file.
    return win::WriteWholeFile(path, png);
}

bool PageExport::SaveTo(const QString& path) const
{
    const int error = WriteTo(path);
    if (error == 0)
        return true;
    const QString text = Texts::tr("Nie można zapisać obrazu w pliku %1: %2.")
                             .arg(QDir::toNativeSeparators(path), win::WriteErrorText(error));
    win::MessageBox({nullptr, text, kPictureCaption, win::MB_OK | win::MB_ICONEXCLAMATION});
    return false;
}

QString PageExport::SaveAs(QWidget* parent) const
{
    const QString enlarged = edges_ == PageEdges::Smooth
                                 ? Texts::tr("Obraz PNG z gładkimi krawędziami, 1024 × 1024 (*.png)")
                                 : Texts::tr("Obraz PNG (*.png)");
    const QString exact = Texts::tr("Obraz PNG, dokładna strona 256 × 256 (*.png)");
    QString chosen;
    const QString path = AskSharedPath(parent, Texts::tr("Zapisz stronę jako obraz"),
                                       enlarged + QStringLiteral(";;") + exact, SuggestedPath(), &chosen);
    if (path.isEmpty())
        return {};
    // The page itself is written the same way as the enlarged picture.
    PageExport written = *this;
    if (chosen == exact)
        written.picture_ = page_;
    return written.SaveTo(path) ? path : QString();
}

void PageExport::CopyToClipboard() const
{
    QGuiApplication::clipboard()->setImage(picture_);
}
