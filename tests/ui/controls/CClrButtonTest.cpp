#include "ui/controls/CClrButton.h"

#include <QTest>
#include <gtest/gtest.h>

#include <optional>
#include <vector>

namespace {

// Answers the colour chooser as a user would.
class ScriptedClrButton : public CClrButton {
public:
    std::optional<ColorRef> m_answer;
    int m_asked = 0;

protected:
    std::optional<ColorRef> AskColor() override {
        ++m_asked;
        return m_answer;
    }
};

QRgb SwatchCentre(ColorRef color) {
    return CClrButton::Swatch(color, QSize(32, 12)).toImage().pixel(16, 3);
}

TEST(CClrButton, ShowsItsColourAndReportsOnlyAChangedChoice) {
    ScriptedClrButton button;
    button.SetColor(Rgb(255, 0, 0));
    std::vector<ColorRef> changes;
    QObject::connect(&button, &CClrButton::colorChanged, [&](ColorRef color) { changes.push_back(color); });

    button.m_answer = Rgb(0, 0, 255);
    button.click();
    button.m_answer = Rgb(0, 0, 255);
    button.click();
    button.m_answer.reset();
    button.click();

    EXPECT_EQ(button.m_asked, 3);
    EXPECT_EQ(changes, std::vector<ColorRef>{Rgb(0, 0, 255)});
    EXPECT_EQ(button.Color(), Rgb(0, 0, 255));
    EXPECT_EQ(button.toolTip(), "#0000FF");
}

TEST(CClrButton, SwatchShowsTheColourAndAnUnusedColourDisablesTheButton) {
    EXPECT_EQ(SwatchCentre(Rgb(0x12, 0x34, 0x56)), qRgb(0x12, 0x34, 0x56));
    EXPECT_EQ(SwatchCentre(kNoColor), qRgb(255, 255, 255));
    EXPECT_EQ(qAlpha(SwatchCentre(kUnusedColor)), 0);

    CClrButton button;
    button.SetColor(kUnusedColor);
    EXPECT_FALSE(button.isEnabled());
    button.SetColor(Rgb(1, 2, 3));
    EXPECT_TRUE(button.isEnabled());
}

} // namespace
