#include "dialogs/OpenDlg.h"

#include "ui_OpenDlg.h"
#include "win/WindowLook.h"

#include <QPainter>
#include <QScrollBar>

namespace {

constexpr int kPictureSide = 64;
const QSize kCellSize(76, 90);

// The first page, small, in a thin frame so that a white page shows on the white list; an empty
// sheet with a question mark when it cannot be read.
QIcon NotebookPicture(const QImage& firstPage)
{
    QPixmap picture(kPictureSide, kPictureSide);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.setPen(Qt::gray);
    if (firstPage.isNull())
        painter.drawText(picture.rect(), Qt::AlignCenter, QStringLiteral("?"));
    else
        painter.drawImage(picture.rect(), firstPage.scaled(kPictureSide, kPictureSide, Qt::IgnoreAspectRatio,
                                                           Qt::SmoothTransformation));
    painter.drawRect(0, 0, kPictureSide - 1, kPictureSide - 1);
    return QIcon(picture);
}

} // namespace

TOpenDlg::TOpenDlg(QWidget* parent) : QDialog(parent), ui(std::make_unique<Ui::TOpenDlg>())
{
    ui->setupUi(this);
    win::UseWindowLook(*this);

    QListWidget* list = ui->NotebookList;
    list->setViewMode(QListView::IconMode);
    list->setIconSize(QSize(kPictureSide, kPictureSide));
    list->setGridSize(kCellSize);
    list->setMovement(QListView::Static);
    list->setResizeMode(QListView::Adjust);
    list->setUniformItemSizes(true);
    ConnectScrollBar();
    connect(list, &QListWidget::currentItemChanged, this, [this](QListWidgetItem* item) {
        if (item)
            SetFileName(item->text());
    });
    connect(list, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) { SetFileName(item->text()); });
    connect(list, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
        SetFileName(item->text());
        accept();
    });
}

TOpenDlg::~TOpenDlg() = default;

void TOpenDlg::ConnectScrollBar()
{
    // The frame's own scroll bar scrolls the list, in place of the list's.
    QListWidget* list = ui->NotebookList;
    list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QScrollBar* inner = list->verticalScrollBar();
    QScrollBar* outer = ui->ScrollBar1;
    outer->setRange(0, 0);
    connect(inner, &QScrollBar::rangeChanged, outer, [inner, outer](int low, int high) {
        outer->setRange(low, high);
        outer->setPageStep(inner->pageStep());
        outer->setSingleStep(inner->singleStep());
    });
    connect(inner, &QScrollBar::valueChanged, outer, &QScrollBar::setValue);
    connect(outer, &QScrollBar::valueChanged, inner, &QScrollBar::setValue);
}

QString TOpenDlg::FileName() const
{
    return ui->FileName->text();
}

void TOpenDlg::SetFileName(const QString& name)
{
    ui->FileName->setText(name);
}

void TOpenDlg::ShowNotebooks(const std::vector<SavedNotebook>& notebooks)
{
    // Filling the list must not overwrite the name typed last time.
    const QSignalBlocker quiet(ui->NotebookList);
    ui->NotebookList->clear();
    for (const SavedNotebook& notebook : notebooks)
        new QListWidgetItem(NotebookPicture(notebook.FirstPage), notebook.Name, ui->NotebookList);
    ui->NotebookList->setCurrentRow(-1);
}
