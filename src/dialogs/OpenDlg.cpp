#include "dialogs/OpenDlg.h"

#include "dialogs/NameSelection.h"
#include "dialogs/NotebookPreviewLoader.h"
#include "ui_OpenDlg.h"
#include "win/WindowLook.h"
#include "win/WindowTexts.h"

#include <QPainter>
#include <QScrollBar>

namespace {

constexpr int kPictureSide = NotebookPreviewLoader::kPictureSide;
const QSize kCellSize(76, 90);

// An empty sheet in a thin frame, with a mark on it.
QIcon MarkedSheet(const QString& mark)
{
    QPixmap picture(kPictureSide, kPictureSide);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.setPen(Qt::gray);
    painter.drawText(picture.rect(), Qt::AlignCenter, mark);
    painter.drawRect(0, 0, kPictureSide - 1, kPictureSide - 1);
    return QIcon(picture);
}

} // namespace

TOpenDlg::TOpenDlg(QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::TOpenDlg>()), waiting_(MarkedSheet({})),
      unreadable_(MarkedSheet(QStringLiteral("?"))), warning_(QStringLiteral(":/dialogs/warning.svg"))
{
    ui->setupUi(this);
    win::UseWindowLook(*this);
    win::FollowLanguage(*this, [this] { ui->retranslateUi(this); });
    new NameSelection(*this, *ui->FileName);

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
    loader_.reset();
    const int showing = ++showing_;
    {
        // Filling the list must not overwrite the name typed last time.
        const QSignalBlocker quiet(ui->NotebookList);
        ui->NotebookList->clear();
        for (const SavedNotebook& notebook : notebooks) {
            // Made whole before it joins the list, which then hears of it once.
            auto* item = new QListWidgetItem(waiting_, notebook.Name);
            // Long names are cut short under their pictures.
            item->setToolTip(notebook.Name);
            ui->NotebookList->addItem(item);
        }
        ui->NotebookList->setCurrentRow(-1);
    }
    ui->EmptyLabel->setVisible(notebooks.empty());
    loader_ = std::make_unique<NotebookPreviewLoader>(
        *this, notebooks, [this, showing](int row, const NotebookPreviewPicture& preview) {
            if (showing == showing_)
                ShowPreview(row, preview);
        });
}

void TOpenDlg::ShowPreview(int row, const NotebookPreviewPicture& preview)
{
    QListWidgetItem* item = ui->NotebookList->item(row);
    if (!item)
        return;
    if (!preview.Problem.isEmpty()) {
        item->setIcon(warning_);
        item->setToolTip(item->text() + QLatin1Char('\n') + preview.Problem);
    } else if (preview.Picture.isNull()) {
        item->setIcon(unreadable_);
    } else {
        // Kept as the small indexed picture; it becomes a pixmap only while it is painted.
        item->setData(Qt::DecorationRole, preview.Picture);
    }
}
