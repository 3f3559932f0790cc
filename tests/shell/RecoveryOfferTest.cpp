#include "shell/RecoveryOffer.h"

#include "storage/RecoveryCopy.h"

#include <gtest/gtest.h>

namespace {

struct QuestionCase {
    const char* what;
    bool behind;
    int older;
    QString expected;
};

TEST(RecoveryOffer, TheQuestionSaysHowOldABehindCopyIsAndHowManyOthersWait)
{
    const QString start = QStringLiteral("Poprzednim razem program został zamknięty, zanim rysunki zostały zachowane.");
    const QString ask = QStringLiteral(" Czy przywrócić ostatnie rysunki?");
    const QString behind = QStringLiteral(" Kopia pochodzi z 07.12.2026 18:05; późniejszych zmian nie udało się w niej zapisać.");
    const QString older = QStringLiteral(" Starszych kopii jest jeszcze 3; następna zostanie zaproponowana przy kolejnym uruchomieniu.");
    const QuestionCase cases[] = {
        {"one whole copy", false, 0, start + ask},
        {"a copy behind the drawings", true, 0, start + behind + ask},
        {"older copies wait", false, 3, start + older + ask},
        {"both", true, 3, start + behind + older + ask},
    };
    for (const QuestionCase& test : cases) {
        RecoveredNotebook recovered;
        recovered.Written = QDateTime(QDate(2026, 12, 7), QTime(18, 5, 40));
        recovered.Behind = test.behind;
        EXPECT_EQ(RecoveryQuestion(recovered, test.older), test.expected) << test.what;
    }
}

} // namespace
