#include "win/HelpViewer.h"

#include "win/MessageBox.h"
#include "win/RegularFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QPointer>
#include <QTextBrowser>
#include <QTextDocument>
#include <QVBoxLayout>
#include <QWidget>

namespace win {

namespace {

// The context this file's texts are translated in.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(HelpViewer)
};

} // namespace

namespace {

// Our help pages are a few kilobytes; a text widget holding more than this is no help to anyone.
constexpr qint64 kMaxHelpBytes = 4 << 20;

// A relative name is looked up in the current folder first, then in the program's own folder.
QString FindHelpFile(const QString& name)
{
    if (name.isEmpty())
        return {};
    if (QFileInfo(name).isAbsolute())
        return QFileInfo(name).isFile() ? name : QString();
    for (const QString& folder : {QDir::currentPath(), QCoreApplication::applicationDirPath()}) {
        const QString path = QDir(folder).filePath(name);
        if (QFileInfo(path).isFile())
            return path;
    }
    return {};
}

void ReportMissing(const HelpRequest& request)
{
    MessageBoxRequest box;
    box.owner = request.owner;
    box.caption = Texts::tr("Pomoc");
    box.text = Texts::tr("Nie można otworzyć pliku pomocy „%1”.\n"
                                                         "Sprawdź, czy plik leży w folderze programu.")
                   .arg(request.file);
    box.style = MB_OK | MB_ICONEXCLAMATION;
    MessageBox(box);
}

// Esc closes the help window, as it closes the program's dialogs.
class HelpWindow final : public QWidget {
public:
    explicit HelpWindow(QWidget* owner) : QWidget(owner, Qt::Window) {}

protected:
    void keyPressEvent(QKeyEvent* event) override
    {
        if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier)
            close();
        else
            QWidget::keyPressEvent(event);
    }
};

// One help window, reused for every file as the system's viewer does. It belongs to the window
// that asked for it, so it goes away with the program's main window.
class WindowHelpViewer final : public HelpViewer {
public:
    bool Show(const HelpRequest& request) override
    {
        if (request.command == HELP_QUIT) {
            if (window_)
                window_->close();
            return true;
        }
        if (request.command != HELP_CONTENTS)
            return false;

        const std::optional<QByteArray> text = ReadRegularFile(FindHelpFile(request.file), kMaxHelpBytes);
        if (!text) {
            ReportMissing(request);
            return false;
        }
        QWidget& window = WindowFor(request.owner);
        browser_->setHtml(QString::fromUtf8(*text));
        const QString title = browser_->documentTitle();
        window.setWindowTitle(title.isEmpty() ? Texts::tr("Pomoc – %1").arg(request.file)
                                              : title);
        window.show();
        window.raise();
        window.activateWindow();
        return true;
    }

private:
    QWidget& WindowFor(HWND owner)
    {
        if (window_ && window_->parentWidget() != owner)
            delete window_.data();
        if (!window_) {
            window_ = new HelpWindow(owner);
            if (owner == nullptr)
                window_->setAttribute(Qt::WA_DeleteOnClose);
            window_->setObjectName(QStringLiteral("HelpWindow"));
            window_->resize(560, 520);
            browser_ = new QTextBrowser(window_);
            browser_->setObjectName(QStringLiteral("HelpText"));
            // Large, plain letters for young readers; the files carry their own colours.
            QFont font = browser_->font();
            font.setPixelSize(16);
            browser_->setFont(font);
            browser_->setOpenExternalLinks(false);
            auto* layout = new QVBoxLayout(window_);
            layout->setContentsMargins(0, 0, 0, 0);
            layout->addWidget(browser_);
        }
        return *window_;
    }

    QPointer<QWidget> window_;
    QTextBrowser* browser_ = nullptr; // a child of window_
};

WindowHelpViewer windowViewer;
HelpViewer* installedViewer = &windowViewer;

} // namespace

bool WinHelpA(HWND owner, const char* file, unsigned command, std::uintptr_t data)
{
    return installedViewer->Show({owner, QString::fromLocal8Bit(file ? file : ""), command, data});
}

void SetHelpViewer(HelpViewer* viewer)
{
    installedViewer = viewer ? viewer : &windowViewer;
}

} // namespace win
