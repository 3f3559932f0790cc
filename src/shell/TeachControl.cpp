#include "shell/TeachControl.h"

#include "dialogs/RecordTexts.h"
#include "notebook/NotebookDocument.h"
#include "shell/ExceptionBox.h"
#include "shell/OwnCommandDlg.h"
#include "shell/OwnCommandRow.h"
#include "shell/StatusPanels.h"
#include "shell/TeachBar.h"
#include "teach/OwnCommandStore.h"
#include "turtle/TurtleSheet.h"
#include "win/MessageBox.h"
#include "win/WholeFile.h"
#include "win/WindowTexts.h"

#include <QAction>
#include <QDir>
#include <QIcon>
#include <QMenu>
#include <QToolBar>

#include <algorithm>
#include <array>
#include <functional>
#include <optional>
#include <vector>

TeachControl::TeachControl(QWidget& window, TurtleSheet& sheet, NotebookDocument& document)
    : QObject(&window), window_(window), sheet_(sheet), document_(document)
{
    const QString path = OwnCommandsPath();
    const KeptCommands kept = ReadOwnCommands(path);
    commands_.Replace(kept.Commands);
    // The row holds six: the rest stay in the file set aside, as what could not be read does.
    const bool tooMany = kept.Commands.size() > OwnCommandList::kMaxCommands;
    if (kept.Damaged || tooMany) {
        // Written again, the file would lose what could not be read: it goes aside first.
        const QString aside = SetAsideOwnCommands(path);
        if (kept.Damaged)
            startNotice_ = aside.isEmpty()
                               ? tr("Nie wszystkie zapamiętane polecenia żółwia dało się odczytać.")
                               : tr("Nie wszystkie zapamiętane polecenia żółwia dało się odczytać. Plik odłożono jako %1.")
                                     .arg(QDir::toNativeSeparators(aside));
        if (tooMany && !aside.isEmpty())
            startNotice_ += (startNotice_.isEmpty() ? QString() : QStringLiteral(" "))
                            + tr("W wierszu mieści się %1 poleceń; pozostałe zachowano w pliku %2.")
                                  .arg(OwnCommandList::kMaxCommands)
                                  .arg(QDir::toNativeSeparators(aside));
        // What did read is remembered at once: the next start finds it, whatever else happens.
        if (!aside.isEmpty())
            Remember();
    }
    document_.KeepCommands(commands_);
    connect(&commands_, &OwnCommandList::Changed, this, [this] {
        if (row_)
            row_->Show(commands_.Commands());
        Remember();
    });
    connect(&document_, &NotebookDocument::Did, this, [this](const RecordEntry& entry, const TTurtleState& before) {
        if (!teaching_.Active())
            return;
        teaching_.Take(entry, before);
        bar_->ShowCount(teaching_.Count());
    });
}

TeachControl::~TeachControl() = default;

void TeachControl::Attach(QWidget& client, QWidget& view, QWidget& statusBar, StatusPanels& status, QMenu& editMenu,
                          QToolBar& toolBar)
{
    status_ = &status;
    if (!startNotice_.isEmpty())
        status_->ShowFailure(startNotice_);
    row_ = new OwnCommandRow(client, window_);
    const int top = statusBar.y();
    row_->setGeometry(0, top, client.width(), OwnCommandRow::kHeight);
    statusBar.move(statusBar.x(), top + OwnCommandRow::kHeight);
    client.setMinimumHeight(client.minimumHeight() + OwnCommandRow::kHeight);
    row_->Show(commands_.Commands());
    connect(row_, &OwnCommandRow::RunRequested, this,
            [this](std::size_t index, int times) { RunGuarded([&] { Run(index, times); }); });
    connect(row_, &OwnCommandRow::RenameRequested, this, [this](std::size_t index) { RunGuarded([&] { Rename(index); }); });
    connect(row_, &OwnCommandRow::StepsRequested, this, [this](std::size_t index) { RunGuarded([&] { ShowSteps(index); }); });
    connect(row_, &OwnCommandRow::ForgetRequested, this, [this](std::size_t index) { RunGuarded([&] { Forget(index); }); });

    bar_ = new TeachBar(client, view);
    connect(bar_, &TeachBar::Done, this, Guarded([this] { Finish(); }));
    connect(bar_, &TeachBar::Cancelled, this, Guarded([this] { Cancel(); }));

    teach_ = new QAction(QIcon(QStringLiteral(":/teach.svg")), QString(), &window_);
    teach_->setObjectName(QStringLiteral("TeachMenu"));
    teach_->setShortcut(Qt::Key_N);
    win::FollowLanguage(window_, [this] {
        teach_->setText(tr("&Naucz żółwia"));
        teach_->setToolTip(tr("Naucz żółwia (N)"));
        teach_->setStatusTip(tr("Pokaż żółwiowi polecenia, a nauczy się ich pod nową nazwą"));
    });
    editMenu.addSeparator();
    editMenu.addAction(teach_);
    AddChosenCommandActions(editMenu);
    // The speed button stays the tool bar's last.
    toolBar.insertAction(toolBar.actions().value(toolBar.actions().size() - 1), teach_);
    connect(teach_, &QAction::triggered, this, Guarded([this] { Begin(); }));
}

void TeachControl::AddChosenCommandActions(QMenu& menu)
{
    // What a right click on a command's button offers, for the command chosen in the row.
    const std::array<std::pair<const char*, std::function<void(std::size_t)>>, 3> offers = {{
        {QT_TR_NOOP("&Zmień nazwę"), [this](std::size_t index) { Rename(index); }},
        {QT_TR_NOOP("Pokaż pol&ecenia"), [this](std::size_t index) { ShowSteps(index); }},
        {QT_TR_NOOP("Zapo&mnij"), [this](std::size_t index) { Forget(index); }},
    }};
    std::vector<QAction*> actions;
    for (const auto& [text, act] : offers) {
        QAction* action = menu.addAction(QString());
        action->setObjectName(QStringLiteral("ChosenCommand%1").arg(actions.size()));
        connect(action, &QAction::triggered, this, Guarded([this, act = act] {
            if (const std::optional<std::size_t> chosen = row_->Chosen())
                act(*chosen);
        }));
        win::FollowLanguage(window_, [action, text = text] { action->setText(tr(text)); });
        actions.push_back(action);
    }
    connect(&menu, &QMenu::aboutToShow, this, [this, actions] {
        const bool chosen = row_->Chosen().has_value();
        for (QAction* action : actions)
            action->setEnabled(chosen);
    });
}

void TeachControl::Remember()
{
    int error = 0;
    if (WriteOwnCommands(OwnCommandsPath(), commands_.Commands(), &error)) {
        rememberFailureSaid_ = false;
        return;
    }
    if (rememberFailureSaid_)
        return;
    const QString text = tr("Nie udało się zapamiętać poleceń żółwia w pliku %1: %2. Plik pozostał bez zmian.")
                             .arg(QDir::toNativeSeparators(OwnCommandsPath()), win::WriteErrorText(error));
    if (!status_) {
        // Said once the status bar is there.
        startNotice_ += (startNotice_.isEmpty() ? QString() : QStringLiteral(" ")) + text;
        rememberFailureSaid_ = true;
        return;
    }
    rememberFailureSaid_ = true;
    status_->ShowFailure(text);
}

QWidget& TeachControl::Row()
{
    return *row_;
}

void TeachControl::Begin()
{
    if (teaching_.Active())
        return;
    teaching_.Begin(sheet_.Turtle());
    bar_->ShowCount(0);
    bar_->show();
    bar_->raise();
}

void TeachControl::Refuse(const QString& text) const
{
    win::MessageBox({nullptr, text, tr("Naucz żółwia"), win::MB_OK | win::MB_ICONEXCLAMATION});
}

void TeachControl::Finish()
{
    switch (teaching_.Check()) {
    case Teaching::Problem::NothingShown:
        Refuse(tr("Żółw nie zobaczył jeszcze żadnego polecenia. Pokaż mu polecenia albo wybierz „Anuluj”."));
        return;
    case Teaching::Problem::TooDeep:
        Refuse(tr("Polecenia można wkładać jedno w drugie najwyżej %1 razy.").arg(kMaxOwnDepth));
        return;
    case Teaching::Problem::TooLong:
        Refuse(tr("Jeden raz tego polecenia to byłoby więcej niż %L1 kroków żółwia. Powtarzaj tu polecenia mniej razy.")
                   .arg(kMaxCommandSteps));
        return;
    case Teaching::Problem::None: break;
    }
    if (commands_.Full()) {
        Refuse(tr("W wierszu „Moje polecenia” jest już %1 poleceń. Zapomnij któreś, aby nauczyć nowego.")
                   .arg(OwnCommandList::kMaxCommands));
        return;
    }
    OwnCommandDlg dialog(&window_, [this](const QString& name) { return NameProblemText(name, nullptr); });
    dialog.SetPicture(static_cast<int>(commands_.Size()) % kOwnPictureCount);
    if (dialog.exec() != QDialog::Accepted)
        return;
    commands_.Add(teaching_.Finish(dialog.Name(), dialog.Picture()));
    bar_->hide();
}

void TeachControl::Cancel()
{
    teaching_.End();
    bar_->hide();
}

bool TeachControl::MayClose() const
{
    if (!teaching_.Active())
        return true;
    return win::MessageBox({nullptr,
                            tr("Żółw jeszcze się uczy. Jeśli zamkniesz program, nie zapamięta nowego polecenia. "
                               "Czy zamknąć program?"),
                            tr("Naucz żółwia"), win::MB_YESNO | win::MB_ICONQUESTION | win::MB_DEFBUTTON2})
           == win::IDYES;
}

bool TeachControl::Run(std::size_t index, int times)
{
    const OwnCommandPtr command = commands_.At(index);
    if (!command)
        return false;
    return document_.Do(RunOf(command, std::clamp(times, 1, kMaxOwnTimes)));
}

QString TeachControl::NameProblemText(const QString& name, const OwnCommand* except) const
{
    switch (commands_.CheckName(name, except)) {
    case NameProblem::None: return {};
    case NameProblem::Empty: return tr("Wpisz nazwę polecenia.");
    case NameProblem::TooLong: return tr("Nazwa może mieć najwyżej %1 liter.").arg(kMaxOwnNameLength);
    case NameProblem::NotLetters: return tr("Nazwa może mieć tylko litery, bez cyfr, spacji i innych znaków.");
    case NameProblem::PanelName: return tr("„%1” to już przycisk żółwia. Wybierz inną nazwę.").arg(name.trimmed());
    case NameProblem::Taken: return tr("Żółw zna już polecenie „%1”. Wybierz inną nazwę.").arg(name.trimmed());
    }
    return {};
}

void TeachControl::Rename(std::size_t index)
{
    const OwnCommandPtr command = commands_.At(index);
    if (!command)
        return;
    OwnCommandDlg dialog(&window_, [this, command](const QString& name) { return NameProblemText(name, command.get()); });
    dialog.SetPurpose(tr("Zmień nazwę polecenia"), tr("Zmień nazwę"));
    dialog.SetName(command->Name);
    dialog.SetPicture(command->Picture);
    if (dialog.exec() != QDialog::Accepted)
        return;
    commands_.Rename(index, dialog.Name(), dialog.Picture());
}

void TeachControl::ShowSteps(std::size_t index) const
{
    if (const OwnCommandPtr command = commands_.At(index))
        win::MessageBox({nullptr, tr("%1: %2").arg(command->Name, OwnCommandSteps(*command)), tr("Pokaż polecenia"),
                         win::MB_OK | win::MB_ICONINFORMATION});
}

bool TeachControl::UsedByPage(const OwnCommand& command) const
{
    const Notebook& pages = document_.Pages();
    for (int page = 0; page < pages.PageCount(); ++page) {
        const auto& used = pages.RecordOf(page).Commands();
        if (std::ranges::any_of(used, [&](const OwnCommandPtr& c) { return c->Name == command.Name && SameSteps(*c, command); }))
            return true;
    }
    return false;
}

void TeachControl::Forget(std::size_t index)
{
    const OwnCommandPtr command = commands_.At(index);
    if (!command)
        return;
    if (UsedByPage(*command)
        && win::MessageBox({nullptr,
                            tr("Rysunek w zeszycie używa polecenia „%1”. Strona i tak odtworzy się tak samo. "
                               "Czy zapomnieć to polecenie?")
                                .arg(command->Name),
                            tr("Zapomnij"), win::MB_YESNO | win::MB_ICONQUESTION})
               != win::IDYES)
        return;
    commands_.Forget(index);
}
