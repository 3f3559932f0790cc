#include "win/MessageBox.h"

#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

// A letter pressed alone answers the real box, as the marked letters of the system's boxes do.
TEST(MessageBox, ALetterWithoutAltPressesItsButton)
{
    const struct {
        unsigned style;
        Qt::Key key;
        int answer;
    } cases[] = {
        {win::MB_YESNOCANCEL, Qt::Key_T, win::IDYES},
        {win::MB_YESNOCANCEL, Qt::Key_N, win::IDNO},
        {win::MB_YESNOCANCEL, Qt::Key_A, win::IDCANCEL},
        {win::MB_YESNO, Qt::Key_N, win::IDNO},
        {win::MB_RETRYCANCEL, Qt::Key_P, win::IDRETRY},
        {win::MB_RETRYCANCEL, Qt::Key_A, win::IDCANCEL},
    };
    // Whatever earlier tests left waiting is handled first, and the real boxes answer.
    QCoreApplication::processEvents();
    win::SetMessageBoxAnswerer(nullptr);
    for (const auto& c : cases) {
        SCOPED_TRACE(QKeySequence(c.key).toString().toStdString());
        QTimer press;
        int polls = 0;
        QObject::connect(&press, &QTimer::timeout, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box == nullptr)
                return;
            if (++polls == 1) {
                QTest::keyClick(box, c.key);
            } else if (polls > 500) {
                ADD_FAILURE() << "the letter did not answer the box";
                box->done(0);
            }
        });
        press.start(1);
        EXPECT_EQ(win::MessageBox({nullptr, QStringLiteral("?"), QStringLiteral("QEL 3D"), c.style | win::MB_ICONQUESTION}),
                  c.answer);
    }
}

} // namespace
