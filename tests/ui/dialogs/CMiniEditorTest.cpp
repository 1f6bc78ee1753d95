#include "ui/dialogs/CMiniEditor.h"

#include "app/CTextStyle.h"
#include "model/CIngredient.h"
#include "model/CRecipe.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace {

CTextStyle Style() {
    CTextStyle style;
    style.Name = "DejaVu Serif";
    style.Size = 140;
    style.Bold = 1;
    style.Italic = 1;
    return style;
}

void Press(CMiniEditor& editor, const char* button) {
    QTest::mouseClick(editor.findChild<QPushButton*>(button), Qt::LeftButton);
}

void Retype(QLineEdit* edit, const QString& text) {
    edit->selectAll();
    QTest::keyClicks(edit, text);
}

} // namespace

TEST(CMiniEditor, CoversTheGivenRectangleInTheStylesFont) {
    CRecipe recipe;
    recipe.SetTitle("Soup");
    CMiniEditor editor(QRect(100, 120, 234, 24), CMiniEditor::Title, recipe, Style());
    editor.show();
    EXPECT_EQ(editor.geometry(), QRect(100, 120, 234, 24));
    EXPECT_EQ(editor.font().family(), "DejaVu Serif");
    EXPECT_DOUBLE_EQ(editor.font().pointSizeF(), 14.0);
    EXPECT_TRUE(editor.font().bold());
    EXPECT_TRUE(editor.font().italic());
    EXPECT_FALSE(editor.font().underline());
}

TEST(CMiniEditor, StoresAChangedTitleAndRefusesAnEmptyOne) {
    CRecipe recipe;
    recipe.SetTitle("Soup");
    CMiniEditor editor(QRect(0, 0, 234, 24), CMiniEditor::Title, recipe, Style());
    editor.show();
    auto* text = editor.findChild<QLineEdit*>("text");
    ASSERT_EQ(text->text(), "Soup");
    EXPECT_FALSE(editor.findChild<QPlainTextEdit*>("multiLine")->isVisible());

    text->clear();
    Press(editor, "ok");
    EXPECT_EQ(recipe.Title(), "Soup");
    EXPECT_TRUE(editor.isVisible()) << "an empty title keeps the editor open";

    Retype(text, "Onion Soup");
    Press(editor, "ok");
    EXPECT_EQ(recipe.Title(), "Onion Soup");
    EXPECT_EQ(editor.result(), QDialog::Accepted);
}

TEST(CMiniEditor, EditsTheIntroductionInTheMultiLineEdit) {
    CRecipe recipe;
    recipe.SetTitle("Soup");
    recipe.SetText("Old words");
    CMiniEditor editor(QRect(0, 0, 229, 80), CMiniEditor::Introduction, recipe, Style());
    editor.show();
    EXPECT_FALSE(editor.findChild<QLineEdit*>("text")->isVisible());
    auto* intro = editor.findChild<QPlainTextEdit*>("multiLine");
    EXPECT_EQ(intro->toPlainText(), "Old words");
    intro->setPlainText("A warming soup\nfor cold days");
    Press(editor, "ok");
    EXPECT_EQ(recipe.Text(), "A warming soup\nfor cold days");
    EXPECT_EQ(recipe.Title(), "Soup");
}

TEST(CMiniEditor, StoresAmountUnitAndDescriptionOfAnIngredient) {
    CIngredient line("1", "cup", "flour");
    CMiniEditor editor(QRect(0, 0, 300, 24), line, Style());
    editor.show();
    auto* amount = editor.findChild<QLineEdit*>("amount");
    auto* unit = editor.findChild<QLineEdit*>("unit");
    EXPECT_EQ(amount->width(), 50);
    EXPECT_EQ(unit->width(), 50);
    EXPECT_LT(amount->x(), editor.findChild<QLineEdit*>("text")->x());
    Retype(amount, "2");
    Retype(unit, "tbsp");
    Retype(editor.findChild<QLineEdit*>("text"), "sugar");
    Press(editor, "ok");
    EXPECT_EQ(line.Amount(), "2");
    EXPECT_EQ(line.Unit(), "tbsp");
    EXPECT_EQ(line.Description(), "sugar");
}

TEST(CMiniEditor, CancelLeavesTheObjectAsItWas) {
    CRecipe recipe;
    recipe.SetTitle("Soup");
    CMiniEditor editor(QRect(0, 0, 234, 24), CMiniEditor::Title, recipe, Style());
    editor.show();
    Retype(editor.findChild<QLineEdit*>("text"), "Stew");
    Press(editor, "cancel");
    EXPECT_EQ(recipe.Title(), "Soup");
    EXPECT_EQ(editor.result(), QDialog::Rejected);
}

TEST(CMiniEditor, EnterAndClickingAwayKeepTheChangeEscapeDropsIt) {
    struct Case {
        const char* name;
        std::function<void(CMiniEditor&)> finish;
        const char* expectedTitle;
        int expectedResult;
    };
    const std::vector<Case> cases = {
        {"enter", [](CMiniEditor& e) { QTest::keyClick(e.findChild<QLineEdit*>("text"), Qt::Key_Return); }, "Stew",
         QDialog::Accepted},
        {"escape", [](CMiniEditor& e) { QTest::keyClick(e.findChild<QLineEdit*>("text"), Qt::Key_Escape); }, "Soup",
         QDialog::Rejected},
        // A click outside the popup closes it, which is what close() does here.
        {"click away", [](CMiniEditor& e) { e.close(); }, "Stew", QDialog::Accepted},
    };
    for (const Case& c : cases) {
        CRecipe recipe;
        recipe.SetTitle("Soup");
        CMiniEditor editor(QRect(0, 0, 234, 24), CMiniEditor::Title, recipe, Style());
        editor.show();
        Retype(editor.findChild<QLineEdit*>("text"), "Stew");
        c.finish(editor);
        EXPECT_EQ(recipe.Title(), c.expectedTitle) << c.name;
        EXPECT_EQ(editor.result(), c.expectedResult) << c.name;
        EXPECT_FALSE(editor.isVisible()) << c.name;
    }
}

TEST(CMiniEditor, ClickingAwayFromAnEmptyTitleDropsTheEdit) {
    CRecipe recipe;
    recipe.SetTitle("Soup");
    CMiniEditor editor(QRect(0, 0, 234, 24), CMiniEditor::Title, recipe, Style());
    editor.show();
    editor.findChild<QLineEdit*>("text")->clear();
    editor.close();
    EXPECT_EQ(recipe.Title(), "Soup");
    EXPECT_EQ(editor.result(), QDialog::Rejected);
    EXPECT_FALSE(editor.isVisible());
}
