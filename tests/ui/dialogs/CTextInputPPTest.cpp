#include "ui/dialogs/CTextInputPP.h"

#include <QApplication>
#include <QComboBox>
#include <QFocusEvent>
#include <QPushButton>
#include <QTest>
#include <QTextCursor>
#include <QTextEdit>
#include <gtest/gtest.h>

namespace {

void Select(QTextEdit& edit, int from, int to) {
    QTextCursor cursor = edit.textCursor();
    cursor.setPosition(from);
    cursor.setPosition(to, QTextCursor::KeepAnchor);
    edit.setTextCursor(cursor);
}

} // namespace

TEST(CTextInputPPTest, BoldAndItalicWrapTheSelectionAndKeepItSelected) {
    struct Case {
        const char* button;
        int from;
        int to;
        const char* text;
        const char* selected;
    };
    const Case cases[] = {
        {"bold", 4, 9, "Mix <b>well.</b> Bake.", "well."},
        {"italic", 0, 3, "<i>Mix</i> well. Bake.", "Mix"},
        {"bold", 4, 4, "Mix <b></b>well. Bake.", ""},
    };
    for (const Case& c : cases) {
        CTextInputPP page(CTextInputPP::kInstructionsTemplate);
        page.SetText("Mix well. Bake.");
        Select(*page.TextEdit(), c.from, c.to);
        QTest::mouseClick(page.findChild<QPushButton*>(c.button), Qt::LeftButton);
        EXPECT_EQ(page.Text(), c.text) << c.button;
        EXPECT_EQ(page.TextEdit()->textCursor().selectedText(), c.selected) << c.button;
    }
}

TEST(CTextInputPPTest, TheInstructionsOfferSpecialCharactersAtTheCaret) {
    CTextInputPP page(CTextInputPP::kInstructionsTemplate);
    page.SetText("Bake at 350F");
    Select(*page.TextEdit(), 11, 11);
    auto* special = page.findChild<QComboBox*>("special");
    ASSERT_NE(special, nullptr);
    EXPECT_EQ(special->itemText(1), "°");
    EXPECT_EQ(special->itemText(2), "½");
    EXPECT_EQ(special->itemText(3), "¼");
    emit special->activated(1);
    EXPECT_EQ(page.Text(), "Bake at 350°F");
    EXPECT_EQ(special->currentIndex(), 0);

    EXPECT_EQ(CTextInputPP(CTextInputPP::kCommentsTemplate).findChild<QComboBox*>("special"), nullptr);
}

TEST(CTextInputPPTest, EnteringTheTextPutsTheCaretAtTheStart) {
    CTextInputPP page(CTextInputPP::kKeywordsTemplate);
    page.SetText("soup onion");
    Select(*page.TextEdit(), 3, 8);
    QFocusEvent focusIn(QEvent::FocusIn, Qt::TabFocusReason);
    QApplication::sendEvent(page.TextEdit(), &focusIn);
    EXPECT_EQ(page.TextEdit()->textCursor().position(), 0);
    EXPECT_FALSE(page.TextEdit()->textCursor().hasSelection());
}
