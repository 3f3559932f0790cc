#include "shell/PanelAccess.h"

#include "shell/ChoiceStrip.h"
#include "shell/FocusFrame.h"
#include "shell/PanelKeyboard.h"
#include "turtle/SheetColors.h"
#include "ui_MainForm.h"
#include "win/WindowTexts.h"

#include <QCoreApplication>
#include <QLabel>
#include <QMainWindow>
#include <QSlider>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>

#include <array>

namespace {

// The context this file's texts are translated in.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(PanelAccess)
};

constexpr int kPaletteColumns = 8;
constexpr int kPaletteRows = 2;
constexpr int kWidths = 8;
// The strips' cells: 16 pixels wide from x = 1, the palette's rows 13 high.
constexpr int kCellWidth = 16;
constexpr int kCellHeight = 13;

QPoint CellMiddle(int cell, int columns)
{
    return {1 + (cell % columns) * kCellWidth + kCellWidth / 2, (cell / columns) * kCellHeight + kCellHeight / 2};
}

// What each button of the panel does, as a screen reader says it. The name is the button's hint
// where the hint tells the buttons apart.
struct ButtonText {
    const char* button;
    const char* name;
    const char* description;
};
constexpr std::array<ButtonText, 16> kButtons = {{
    {"ForwardBtn", QT_TRANSLATE_NOOP("PanelAccess", "Naprzód"),
     QT_TRANSLATE_NOOP("PanelAccess", "Żółw idzie naprzód o tyle kroków, ile pokazuje suwak obok.")},
    {"BackwardBtn", QT_TRANSLATE_NOOP("PanelAccess", "Do tyłu"),
     QT_TRANSLATE_NOOP("PanelAccess", "Żółw cofa się o tyle kroków, ile pokazuje suwak obok.")},
    {"RightBtn", QT_TRANSLATE_NOOP("PanelAccess", "W prawo"),
     QT_TRANSLATE_NOOP("PanelAccess", "Żółw obraca się w prawo o tyle stopni, ile pokazuje suwak obok.")},
    {"LeftBtn", QT_TRANSLATE_NOOP("PanelAccess", "W lewo"),
     QT_TRANSLATE_NOOP("PanelAccess", "Żółw obraca się w lewo o tyle stopni, ile pokazuje suwak obok.")},
    {"CircleBtn", QT_TRANSLATE_NOOP("PanelAccess", "Okrąg"),
     QT_TRANSLATE_NOOP("PanelAccess", "Żółw rysuje okrąg o promieniu, który pokazuje suwak obok.")},
    {"SquareBtn", QT_TRANSLATE_NOOP("PanelAccess", "Kwadrat"),
     QT_TRANSLATE_NOOP("PanelAccess", "Żółw rysuje kwadrat o boku, który pokazuje suwak obok.")},
    {"PenBtn", QT_TRANSLATE_NOOP("PanelAccess", "Pisak"),
     QT_TRANSLATE_NOOP("PanelAccess", "Podnosi albo opuszcza pisak. Wciśnięty: pisak opuszczony, żółw rysuje.")},
    {"FillBtn", QT_TRANSLATE_NOOP("PanelAccess", "Wypełnij"),
     QT_TRANSLATE_NOOP("PanelAccess", "Zamalowuje kolorem pisaka miejsce, na którym stoi żółw.")},
    {"ShowBtn", QT_TRANSLATE_NOOP("PanelAccess", "Pokaż postać"),
     QT_TRANSLATE_NOOP("PanelAccess", "Chowa albo pokazuje postać żółwia. Wciśnięty: postać jest widoczna.")},
    {"ClearBtn", QT_TRANSLATE_NOOP("PanelAccess", "Wyczyść"),
     QT_TRANSLATE_NOOP("PanelAccess", "Czyści stronę kolorem tła; żółw zostaje na miejscu.")},
    {"HomeBtn", QT_TRANSLATE_NOOP("PanelAccess", "Wróć"),
     QT_TRANSLATE_NOOP("PanelAccess", "Żółw wraca na środek strony i patrzy w górę.")},
    {"ShapeBtn", QT_TRANSLATE_NOOP("PanelAccess", "Wybór postaci"),
     QT_TRANSLATE_NOOP("PanelAccess", "Otwiera okno z postaciami do wyboru.")},
    {"NewPageBtn", QT_TRANSLATE_NOOP("PanelAccess", "Dodaj stronę"),
     QT_TRANSLATE_NOOP("PanelAccess", "Dodaje nową stronę zeszytu za bieżącą.")},
    {"DelPageBtn", QT_TRANSLATE_NOOP("PanelAccess", "Usuń stronę"),
     QT_TRANSLATE_NOOP("PanelAccess", "Usuwa bieżącą stronę zeszytu.")},
    {"PrevPageBtn", QT_TRANSLATE_NOOP("PanelAccess", "Poprzednia strona"),
     QT_TRANSLATE_NOOP("PanelAccess", "Pokazuje poprzednią stronę zeszytu.")},
    {"NextPageBtn", QT_TRANSLATE_NOOP("PanelAccess", "Następna strona"),
     QT_TRANSLATE_NOOP("PanelAccess", "Pokazuje następną stronę zeszytu.")},
}};

// The track bars: the command they set and what their number means.
struct TrackText {
    QSlider* Ui::TMainForm::*track;
    const char* command;
    const char* unit;
};
constexpr std::array<TrackText, 6> kTracks = {{
    {&Ui::TMainForm::ForwardTrack, QT_TRANSLATE_NOOP("PanelAccess", "Naprzód"),
     QT_TRANSLATE_NOOP("PanelAccess", "liczba kroków")},
    {&Ui::TMainForm::BackwardTrack, QT_TRANSLATE_NOOP("PanelAccess", "Do tyłu"),
     QT_TRANSLATE_NOOP("PanelAccess", "liczba kroków")},
    {&Ui::TMainForm::RightTrack, QT_TRANSLATE_NOOP("PanelAccess", "W prawo"),
     QT_TRANSLATE_NOOP("PanelAccess", "kąt w stopniach")},
    {&Ui::TMainForm::LeftTrack, QT_TRANSLATE_NOOP("PanelAccess", "W lewo"),
     QT_TRANSLATE_NOOP("PanelAccess", "kąt w stopniach")},
    {&Ui::TMainForm::CircleTrack, QT_TRANSLATE_NOOP("PanelAccess", "Okrąg"),
     QT_TRANSLATE_NOOP("PanelAccess", "promień")},
    {&Ui::TMainForm::SquareTrack, QT_TRANSLATE_NOOP("PanelAccess", "Kwadrat"),
     QT_TRANSLATE_NOOP("PanelAccess", "długość boku")},
}};

QString ColourOfCell(int cell)
{
    if (cell < 0 || cell >= kColorCount)
        return QStringLiteral("?");
    return CellColourName(cell) + QStringLiteral(" (%1)").arg(cell);
}

const PanelCommandKey* KeyOf(const QString& button)
{
    for (const PanelCommandKey& key : PanelCommandKeys())
        if (button == QLatin1String(key.button))
            return &key;
    return nullptr;
}

void NameTrack(QSlider* track, const char* command, int value)
{
    track->setAccessibleName(QStringLiteral("%1: %2").arg(Texts::tr(command)).arg(value));
}

} // namespace

const std::vector<PanelCommandKey>& PanelCommandKeys()
{
    static const std::vector<PanelCommandKey> keys = {
        {"ForwardBtn", Qt::Key_Up, QT_TRANSLATE_NOOP("PanelAccess", "strzałka w górę")},
        {"BackwardBtn", Qt::Key_Down, QT_TRANSLATE_NOOP("PanelAccess", "strzałka w dół")},
        {"RightBtn", Qt::Key_Right, QT_TRANSLATE_NOOP("PanelAccess", "strzałka w prawo")},
        {"LeftBtn", Qt::Key_Left, QT_TRANSLATE_NOOP("PanelAccess", "strzałka w lewo")},
        // The letters stay in every language; a translation says which Polish word they stand for.
        {"CircleBtn", Qt::Key_O, QT_TRANSLATE_NOOP("PanelAccess", "O")},
        {"SquareBtn", Qt::Key_K, QT_TRANSLATE_NOOP("PanelAccess", "K")},
        {"PenBtn", Qt::Key_P, QT_TRANSLATE_NOOP("PanelAccess", "P")},
        {"FillBtn", Qt::Key_W, QT_TRANSLATE_NOOP("PanelAccess", "W")},
        {"ClearBtn", Qt::Key_C, QT_TRANSLATE_NOOP("PanelAccess", "C")},
        {"HomeBtn", Qt::Key_Home, "Home"},
    };
    return keys;
}

PanelAccess::PanelAccess(QMainWindow& window, Ui::TMainForm& ui, Strips strips)
{
    InstallChoiceStripAccessibility();
    std::vector<QWidget*> order;
    for (QAction* action : ui.MainToolBar->actions())
        if (QWidget* button = ui.MainToolBar->widgetForAction(action); button && !action->isSeparator())
            order.push_back(button);
    const std::array<std::pair<QWidget*, QWidget*>, 6> rows = {{
        {ui.ForwardBtn, ui.ForwardTrack},
        {ui.BackwardBtn, ui.BackwardTrack},
        {ui.RightBtn, ui.RightTrack},
        {ui.LeftBtn, ui.LeftTrack},
        {ui.CircleBtn, ui.CircleTrack},
        {ui.SquareBtn, ui.SquareTrack},
    }};
    for (const auto& [button, track] : rows)
        order.insert(order.end(), {button, track});
    order.insert(order.end(), {ui.ColorImage, ui.WidthImage, ui.PenBtn, ui.FillBtn, ui.ShowBtn, ui.ClearBtn,
                               ui.HomeBtn, ui.ShapeBtn, ui.NewPageBtn, ui.DelPageBtn, ui.PrevPageBtn,
                               ui.NextPageBtn});
    // The own commands' row and the teaching bar come after the panel, framed as it is.
    for (const char* part : {"OwnCommandRow", "TeachBar"})
        if (auto* area = ui.ClientArea->findChild<QWidget*>(QLatin1String(part)))
            for (QWidget* control : area->findChildren<QWidget*>())
                if (qobject_cast<QAbstractButton*>(control) || qobject_cast<QSlider*>(control))
                    order.push_back(control);

    std::vector<PanelKeyboard::CommandKey> keys;
    for (const PanelCommandKey& key : PanelCommandKeys())
        if (auto* button = ui.ClientArea->findChild<QAbstractButton*>(QLatin1String(key.button)))
            keys.push_back({button, QKeySequence(key.key)});
    keyboard_ = std::make_unique<PanelKeyboard>(window, order, keys);
    frame_ = std::make_unique<FocusFrame>(*ui.ClientArea, order);
    for (const TrackText& text : kTracks) {
        QSlider* track = ui.*text.track;
        QObject::connect(track, &QSlider::valueChanged, track,
                         [track, command = text.command](int value) { NameTrack(track, command, value); });
    }
    ServeStrips(ui, std::move(strips));
    // After the layout's own texts, which give the hints the keys are added to.
    win::FollowLanguage(window, [this, &ui] { NameControls(ui); });
}

PanelAccess::~PanelAccess() = default;

void PanelAccess::NameControls(Ui::TMainForm& ui)
{
    for (const ButtonText& text : kButtons) {
        auto* button = ui.ClientArea->findChild<QToolButton*>(QLatin1String(text.button));
        if (!button)
            continue;
        QString description = Texts::tr(text.description);
        if (const PanelCommandKey* key = KeyOf(button->objectName())) {
            const QString keyName = Texts::tr(key->keyName);
            button->setToolTip(Texts::tr("%1 (klawisz: %2)").arg(button->toolTip(), keyName));
            description += Texts::tr(" Klawisz: %1.").arg(keyName);
        }
        button->setAccessibleName(Texts::tr(text.name));
        button->setAccessibleDescription(description);
    }
    for (const TrackText& text : kTracks) {
        QSlider* track = ui.*text.track;
        NameTrack(track, text.command, track->value());
        track->setAccessibleDescription(Texts::tr("Suwak przy przycisku %1: %2. Strzałki zmieniają liczbę.")
                                            .arg(Texts::tr(text.command), Texts::tr(text.unit)));
    }
    const std::array<std::pair<QLabel*, const char*>, 6> indicators = {{
        {ui.SelColorImage, QT_TRANSLATE_NOOP("PanelAccess", "Kolor pisaka")},
        {ui.SelBGColorImage, QT_TRANSLATE_NOOP("PanelAccess", "Kolor tła")},
        {ui.SelWidthImage, QT_TRANSLATE_NOOP("PanelAccess", "Grubość pisaka")},
        {ui.SelColorLabel, QT_TRANSLATE_NOOP("PanelAccess", "Numer koloru pisaka")},
        {ui.SelBGColorLabel, QT_TRANSLATE_NOOP("PanelAccess", "Numer koloru tła")},
        {ui.SelWidthLabel, QT_TRANSLATE_NOOP("PanelAccess", "Grubość pisaka w punktach")},
    }};
    for (const auto& [label, description] : indicators)
        label->setAccessibleDescription(Texts::tr(description));
    for (QLabel* label : {ui.SelColorImage, ui.SelBGColorImage, ui.SelWidthImage})
        label->setAccessibleName(label->accessibleDescription());
    // The tool bar's button for what does not fit, hidden while everything does.
    if (auto* more = ui.MainToolBar->findChild<QToolButton*>(QStringLiteral("qt_toolbar_ext_button")))
        more->setAccessibleName(Texts::tr("Więcej przycisków"));
    ui.DXViewport->setAccessibleName(Texts::tr("Widok żółwia"));
    ui.MainStatusBar->setAccessibleName(Texts::tr("Pasek stanu"));
    const std::array<const char*, 5> panels = {
        QT_TRANSLATE_NOOP("PanelAccess", "Pasek stanu"),
        QT_TRANSLATE_NOOP("PanelAccess", "Strona zeszytu i liczba stron"),
        QT_TRANSLATE_NOOP("PanelAccess", "Położenie X żółwia"),
        QT_TRANSLATE_NOOP("PanelAccess", "Położenie Y żółwia"),
        QT_TRANSLATE_NOOP("PanelAccess", "Kierunek żółwia w stopniach")};
    const QList<QLabel*> statusPanels = ui.MainStatusBar->findChildren<QLabel*>(Qt::FindDirectChildrenOnly);
    for (qsizetype i = 0; i < statusPanels.size() && i < static_cast<qsizetype>(panels.size()); ++i)
        statusPanels[i]->setAccessibleDescription(Texts::tr(panels[static_cast<std::size_t>(i)]));
    ui.ColorImage->setAccessibleName(Texts::tr("Kolor pisaka"));
    ui.ColorImage->setAccessibleDescription(Texts::tr("Pasek kolorów. Na tym pasku strzałki wybierają kolor pisaka, a "
                                                       "Shift ze spacją robi z niego kolor tła i czyści stronę."));
    ui.WidthImage->setAccessibleName(Texts::tr("Grubość pisaka"));
    ui.WidthImage->setAccessibleDescription(
        Texts::tr("Pasek grubości. Na tym pasku strzałki wybierają grubość linii."));
}

void PanelAccess::ServeStrips(Ui::TMainForm& ui, Strips strips)
{
    const auto pickColour = [click = strips.clickColour](int cell, Qt::KeyboardModifiers keys) {
        const QPoint at = CellMiddle(cell, kPaletteColumns);
        click(keys, at.x(), at.y());
    };
    ui.ColorImage->Serve({kPaletteColumns, kPaletteRows}, {strips.penCell, pickColour, ColourOfCell});
    ui.WidthImage->Serve({kWidths, 1},
                         {strips.widthCell,
                          [click = strips.clickWidth](int cell, Qt::KeyboardModifiers) {
                              click(CellMiddle(cell, kWidths).x());
                          },
                          [](int cell) { return QString::number(cell + 1); }});
}
