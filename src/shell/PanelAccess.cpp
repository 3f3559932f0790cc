#include "shell/PanelAccess.h"

#include "shell/ChoiceStrip.h"
#include "shell/FocusFrame.h"
#include "shell/PanelKeyboard.h"
#include "turtle/SheetColors.h"
#include "ui_MainForm.h"

#include <QLabel>
#include <QMainWindow>
#include <QSlider>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>

#include <array>

namespace {

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
    {"ForwardBtn", "Naprzód", "Żółw idzie naprzód o tyle kroków, ile pokazuje suwak obok."},
    {"BackwardBtn", "Do tyłu", "Żółw cofa się o tyle kroków, ile pokazuje suwak obok."},
    {"RightBtn", "W prawo", "Żółw obraca się w prawo o tyle stopni, ile pokazuje suwak obok."},
    {"LeftBtn", "W lewo", "Żółw obraca się w lewo o tyle stopni, ile pokazuje suwak obok."},
    {"CircleBtn", "Okrąg", "Żółw rysuje okrąg o promieniu, który pokazuje suwak obok."},
    {"SquareBtn", "Kwadrat", "Żółw rysuje kwadrat o boku, który pokazuje suwak obok."},
    {"PenBtn", "Pisak", "Podnosi albo opuszcza pisak. Wciśnięty: pisak opuszczony, żółw rysuje."},
    {"FillBtn", "Wypełnij", "Zamalowuje kolorem pisaka miejsce, na którym stoi żółw."},
    {"ShowBtn", "Pokaż postać", "Chowa albo pokazuje postać żółwia. Wciśnięty: postać jest widoczna."},
    {"ClearBtn", "Wyczyść", "Czyści kartkę kolorem tła; żółw zostaje na miejscu."},
    {"HomeBtn", "Wróć", "Żółw wraca na środek kartki i patrzy w górę."},
    {"ShapeBtn", "Wybór postaci", "Otwiera okno z postaciami do wyboru."},
    {"NewPageBtn", "Dodaj stronę", "Dodaje nową stronę zeszytu za bieżącą."},
    {"DelPageBtn", "Usuń stronę", "Usuwa bieżącą stronę zeszytu."},
    {"PrevPageBtn", "Poprzednia strona", "Pokazuje poprzednią stronę zeszytu."},
    {"NextPageBtn", "Następna strona", "Pokazuje następną stronę zeszytu."},
}};

// The track bars: the command they set and what their number means.
struct TrackText {
    QSlider* Ui::TMainForm::*track;
    const char* command;
    const char* unit;
};
constexpr std::array<TrackText, 6> kTracks = {{
    {&Ui::TMainForm::ForwardTrack, "Naprzód", "liczba kroków"},
    {&Ui::TMainForm::BackwardTrack, "Do tyłu", "liczba kroków"},
    {&Ui::TMainForm::RightTrack, "W prawo", "kąt w stopniach"},
    {&Ui::TMainForm::LeftTrack, "W lewo", "kąt w stopniach"},
    {&Ui::TMainForm::CircleTrack, "Okrąg", "promień"},
    {&Ui::TMainForm::SquareTrack, "Kwadrat", "długość boku"},
}};

QString ColourOfCell(int cell)
{
    if (cell < 0 || cell >= kColorCount)
        return QStringLiteral("?");
    return QString::fromUtf8(CellColourName(cell)) + QStringLiteral(" (%1)").arg(cell);
}

const PanelCommandKey* KeyOf(const QString& button)
{
    for (const PanelCommandKey& key : PanelCommandKeys())
        if (button == QLatin1String(key.button))
            return &key;
    return nullptr;
}

void NameTrack(QSlider* track, const QString& command, int value)
{
    track->setAccessibleName(QStringLiteral("%1: %2").arg(command).arg(value));
}

} // namespace

const std::vector<PanelCommandKey>& PanelCommandKeys()
{
    static const std::vector<PanelCommandKey> keys = {
        {"ForwardBtn", Qt::Key_Up, "strzałka w górę"},
        {"BackwardBtn", Qt::Key_Down, "strzałka w dół"},
        {"RightBtn", Qt::Key_Right, "strzałka w prawo"},
        {"LeftBtn", Qt::Key_Left, "strzałka w lewo"},
        {"CircleBtn", Qt::Key_O, "O"},
        {"SquareBtn", Qt::Key_K, "K"},
        {"PenBtn", Qt::Key_P, "P"},
        {"FillBtn", Qt::Key_W, "W"},
        {"ClearBtn", Qt::Key_C, "C"},
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

    std::vector<PanelKeyboard::CommandKey> keys;
    for (const PanelCommandKey& key : PanelCommandKeys())
        if (auto* button = ui.ClientArea->findChild<QAbstractButton*>(QLatin1String(key.button)))
            keys.push_back({button, QKeySequence(key.key)});
    keyboard_ = std::make_unique<PanelKeyboard>(window, order, keys);
    frame_ = std::make_unique<FocusFrame>(*ui.ClientArea, order);
    NameControls(ui);
    ServeStrips(ui, std::move(strips));
}

PanelAccess::~PanelAccess() = default;

void PanelAccess::NameControls(Ui::TMainForm& ui)
{
    for (const ButtonText& text : kButtons) {
        auto* button = ui.ClientArea->findChild<QToolButton*>(QLatin1String(text.button));
        if (!button)
            continue;
        QString description = QString::fromUtf8(text.description);
        if (const PanelCommandKey* key = KeyOf(button->objectName())) {
            const QString keyName = QString::fromUtf8(key->keyName);
            button->setToolTip(QStringLiteral("%1 (klawisz: %2)").arg(button->toolTip(), keyName));
            description += QStringLiteral(" Klawisz: %1.").arg(keyName);
        }
        button->setAccessibleName(QString::fromUtf8(text.name));
        button->setAccessibleDescription(description);
    }
    for (const TrackText& text : kTracks) {
        QSlider* track = ui.*text.track;
        const QString command = QString::fromUtf8(text.command);
        NameTrack(track, command, track->value());
        track->setAccessibleDescription(
            QStringLiteral("Suwak przy przycisku %1: %2. Strzałki zmieniają liczbę.").arg(command, QString::fromUtf8(text.unit)));
        QObject::connect(track, &QSlider::valueChanged, track,
                         [track, command](int value) { NameTrack(track, command, value); });
    }
    const std::array<std::pair<QLabel*, const char*>, 6> indicators = {{
        {ui.SelColorImage, "Kolor pisaka"},
        {ui.SelBGColorImage, "Kolor tła"},
        {ui.SelWidthImage, "Grubość pisaka"},
        {ui.SelColorLabel, "Numer koloru pisaka"},
        {ui.SelBGColorLabel, "Numer koloru tła"},
        {ui.SelWidthLabel, "Grubość pisaka w punktach"},
    }};
    for (const auto& [label, description] : indicators)
        label->setAccessibleDescription(QString::fromUtf8(description));
    for (QLabel* label : {ui.SelColorImage, ui.SelBGColorImage, ui.SelWidthImage})
        label->setAccessibleName(label->accessibleDescription());
    // The tool bar's button for what does not fit, hidden while everything does.
    if (auto* more = ui.MainToolBar->findChild<QToolButton*>(QStringLiteral("qt_toolbar_ext_button")))
        more->setAccessibleName(QStringLiteral("Więcej przycisków"));
    ui.DXViewport->setAccessibleName(QStringLiteral("Widok żółwia"));
    ui.MainStatusBar->setAccessibleName(QStringLiteral("Pasek stanu"));
    const std::array<const char*, 5> panels = {"Pasek stanu", "Strona zeszytu i liczba stron", "Położenie X żółwia",
                                               "Położenie Y żółwia", "Kierunek żółwia w stopniach"};
    const QList<QLabel*> statusPanels = ui.MainStatusBar->findChildren<QLabel*>(Qt::FindDirectChildrenOnly);
    for (qsizetype i = 0; i < statusPanels.size() && i < static_cast<qsizetype>(panels.size()); ++i)
        statusPanels[i]->setAccessibleDescription(QString::fromUtf8(panels[static_cast<std::size_t>(i)]));
}

void PanelAccess::ServeStrips(Ui::TMainForm& ui, Strips strips)
{
    ui.ColorImage->setAccessibleName(QStringLiteral("Kolor pisaka"));
    ui.ColorImage->setAccessibleDescription(QStringLiteral(
        "Pasek kolorów. Na tym pasku strzałki wybierają kolor pisaka, a Shift ze spacją robi z niego kolor tła i czyści kartkę."));
    const auto pickColour = [click = strips.clickColour](int cell, Qt::KeyboardModifiers keys) {
        const QPoint at = CellMiddle(cell, kPaletteColumns);
        click(keys, at.x(), at.y());
    };
    ui.ColorImage->Serve({kPaletteColumns, kPaletteRows}, {strips.penCell, pickColour, ColourOfCell});
    ui.WidthImage->setAccessibleName(QStringLiteral("Grubość pisaka"));
    ui.WidthImage->setAccessibleDescription(QStringLiteral("Pasek grubości. Na tym pasku strzałki wybierają grubość linii."));
    ui.WidthImage->Serve({kWidths, 1},
                         {strips.widthCell,
                          [click = strips.clickWidth](int cell, Qt::KeyboardModifiers) {
                              click(CellMiddle(cell, kWidths).x());
                          },
                          [](int cell) { return QString::number(cell + 1); }});
}
