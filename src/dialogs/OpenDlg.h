#pragma once

#include "storage/NotebookList.h"

#include <QDialog>
#include <QIcon>
#include <QString>

#include <memory>
#include <vector>

namespace Ui {
class TOpenDlg;
}
class NotebookPreviewLoader;
struct NotebookPreviewPicture;

// Asks for the notebook to open. The saved notebooks are listed by name at once, each with a
// small picture of its first page that is read in the background: a click puts the name into
// the edit, a double click opens it at once. A notebook that cannot be opened shows a warning
// mark and why. A name can still be typed; the edit keeps it for the next showing, and each
// showing selects it.
class TOpenDlg : public QDialog {
    Q_OBJECT
public:
    explicit TOpenDlg(QWidget* parent = nullptr);
    ~TOpenDlg() override;

    QString FileName() const;
    void SetFileName(const QString& name);
    // Fills the list, in the order given, and starts reading the pictures.
    void ShowNotebooks(const std::vector<SavedNotebook>& notebooks);

private:
    void ConnectScrollBar();
    void ShowPreview(int row, const NotebookPreviewPicture& preview);

    std::unique_ptr<Ui::TOpenDlg> ui;
    QIcon waiting_, unreadable_, warning_;
    // Pictures of an earlier showing still on their way are not this list's.
    int showing_ = 0;
    // Last, so that its thread has stopped before the rest of the dialog goes.
    std::unique_ptr<NotebookPreviewLoader> loader_;
};
