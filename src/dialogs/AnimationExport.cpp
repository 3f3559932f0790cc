#include "dialogs/AnimationExport.h"

#include "animation/DrawingAnimation.h"
#include "animation/RecordWalk.h"
#include "turtle/SheetBitmap.h"
#include "win/MessageBox.h"

#include <QDir>
#include <QProgressDialog>

#include <algorithm>

namespace {

constexpr int kProgressSteps = 1000;
// Short animations are written before a progress window would be worth showing.
constexpr int kProgressAfterMs = 400;

std::array<std::uint32_t, 256> SheetColours()
{
    std::array<std::uint32_t, 256> palette{};
    const SheetBitmap sheet;
    std::copy(sheet.Palette().begin(), sheet.Palette().end(), palette.begin());
    return palette;
}

} // namespace

AnimationExport::AnimationExport(const SharedPage& page, const DrawingRecord& record, const TTurtleState& turtle)
    : page_(page.image), record_(record), turtle_(turtle), suggestedPath_(SharedPagePath(page, QStringLiteral("gif")))
{
}

bool AnimationExport::SaveTo(const QString& path, QWidget* parent) const
{
    QProgressDialog progress(QStringLiteral("Zapisywanie animacji rysowania…"), QStringLiteral("Anuluj"), 0,
                             kProgressSteps, parent);
    progress.setWindowTitle(QStringLiteral("Qel 3D"));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(kProgressAfterMs);
    progress.setAutoReset(false);
    RecordWalk walk(record_, page_, turtle_);
    DrawingAnimation animation;
    const auto result = animation.Write(walk, SheetColours(), path, [&](double done) {
        // Setting the value of a shown window lets it answer: "Anuluj", a repaint, a move.
        progress.setValue(static_cast<int>(done * kProgressSteps));
        return !progress.wasCanceled();
    });
    if (result == DrawingAnimation::Result::Failed) {
        const QString text = QStringLiteral("Nie można zapisać animacji w pliku %1: %2.")
                                 .arg(QDir::toNativeSeparators(path), animation.ErrorText());
        win::MessageBox({nullptr, text, QStringLiteral("QEL 3D"), win::MB_OK | win::MB_ICONEXCLAMATION});
    }
    return result == DrawingAnimation::Result::Written;
}

QString AnimationExport::SaveAs(QWidget* parent) const
{
    const QString path = AskSharedPath(parent, QStringLiteral("Zapisz animację rysowania"),
                                       QStringLiteral("Animacja GIF (*.gif)"), SuggestedPath());
    return !path.isEmpty() && SaveTo(path, parent) ? path : QString();
}
