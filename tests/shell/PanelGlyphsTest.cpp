#include "fakes/ScriptedMessageBoxes.h"
#include "shell/Application.h"
#include "shell/MainForm.h"

#include <QToolBar>
#include <QToolButton>

#include <gtest/gtest.h>

#include <map>

namespace {

// Every button of the panel shows a picture of its own, so a child can tell them apart.
TEST(PanelGlyphs, EveryButtonShowsItsOwnPicture)
{
    ScriptedMessageBoxes boxes;
    ApplicationWindows windows;
    MainForm->StartTimer.stop();
    std::map<QString, QString> pictures; // picture bytes → button
    for (const QToolButton* button : MainForm->ClientArea()->findChildren<QToolButton*>()) {
        if (qobject_cast<const QToolBar*>(button->parentWidget()) != nullptr)
            continue; // the tool bar's, drawn from its actions
        if (button->parentWidget()->objectName() == QLatin1String("OwnCommandRow"))
            continue; // the child's own commands, with the pictures the child chose
        const std::string name = button->objectName().toStdString();
        const QImage picture = button->icon().pixmap(button->iconSize()).toImage();
        ASSERT_FALSE(picture.isNull()) << name;
        int drawn = 0;
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x)
                drawn += qAlpha(picture.pixel(x, y)) > 128;
        EXPECT_GT(drawn, 40) << name;
        const QString bytes = QString::fromLatin1(QByteArray(reinterpret_cast<const char*>(picture.constBits()),
                                                             picture.sizeInBytes()).toBase64());
        const auto [where, added] = pictures.emplace(bytes, button->objectName());
        EXPECT_TRUE(added || where->second == button->objectName()) << name << " looks like " << where->second.toStdString();
    }
}

} // namespace
