#include "ui/dialogs/CPicturePP.h"

#include "support/QtTestPicture.h"
#include "support/ScriptedPrompts.h"
#include "support/TempDir.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {} // namespace

class CPicturePPTest : public ::testing::Test {
protected:
    CPicturePPTest() : m_page(m_prompts) {}

    void Click(const char* name) { QTest::mouseClick(m_page.findChild<QPushButton*>(name), Qt::LeftButton); }

    TempDir m_dir;
    ScriptedPrompts m_prompts;
    CPicturePP m_page;
};

TEST_F(CPicturePPTest, AddsAChosenPictureShownAndSelectedWithAPreview) {
    const auto cake = WriteTestPicture(m_dir, "cake.png");
    m_prompts.QueueFiles({cake});
    Click("new");
    EXPECT_EQ(m_page.Pictures(), (std::vector<CPicturePP::Picture>{{cake.string(), true}}));
    EXPECT_EQ(m_page.findChild<QListWidget*>("pictures")->currentRow(), 0);
    EXPECT_FALSE(m_page.Preview()->pixmap().isNull());
    EXPECT_TRUE(m_prompts.Texts().empty());
}

// Paths are told apart exactly: only the same file again is refused.
TEST_F(CPicturePPTest, TheSameFileIsListedOnceButSimilarNamesAreOtherFiles) {
    const auto cake = WriteTestPicture(m_dir, "cake.png");
    const auto upper = WriteTestPicture(m_dir, "Cake.png");
    const auto longer = WriteTestPicture(m_dir, "cake.png.png");
    EXPECT_TRUE(m_page.AddPicture(longer));
    EXPECT_TRUE(m_page.AddPicture(cake));
    EXPECT_TRUE(m_page.AddPicture(upper));
    EXPECT_FALSE(m_page.AddPicture(cake));
    EXPECT_EQ(m_page.Pictures().size(), 3U);
    EXPECT_EQ(m_page.findChild<QListWidget*>("pictures")->currentRow(), 1);
}

TEST_F(CPicturePPTest, AFileThatIsNoPictureIsRefusedWithAMessage) {
    const auto notes = m_dir.Write("notes.png", "just some text");
    m_prompts.QueueFiles({notes});
    Click("new");
    EXPECT_TRUE(m_page.Pictures().empty());
    ASSERT_EQ(m_prompts.Questions().size(), 1U);
    EXPECT_NE(m_prompts.Texts()[0].find(notes.string()), std::string::npos);
    EXPECT_EQ(m_prompts.Questions()[0].icon, PromptIcon::Warning);
}

TEST_F(CPicturePPTest, DeleteSelectsThePictureNowInItsPlace) {
    m_page.SetPictures({{"/pictures/a.png", true}, {"/pictures/b.png", false}, {"/pictures/c.png", true}});
    auto* list = m_page.findChild<QListWidget*>("pictures");
    list->setCurrentRow(1);
    Click("delete");
    EXPECT_EQ(m_page.Pictures(),
              (std::vector<CPicturePP::Picture>{{"/pictures/a.png", true}, {"/pictures/c.png", true}}));
    EXPECT_EQ(list->currentRow(), 1);
    Click("delete");
    EXPECT_EQ(list->currentRow(), 0);
    Click("delete");
    EXPECT_FALSE(m_page.findChild<QPushButton*>("delete")->isEnabled());
    EXPECT_TRUE(m_page.Pictures().empty());
}

TEST_F(CPicturePPTest, ClearingAPicturesTickKeepsItButHidesItFromThePage) {
    m_page.SetPictures({{"/pictures/a.png", true}, {"/pictures/b.png", false}});
    auto* list = m_page.findChild<QListWidget*>("pictures");
    EXPECT_EQ(list->item(1)->checkState(), Qt::Unchecked);
    list->item(0)->setCheckState(Qt::Unchecked);
    list->item(1)->setCheckState(Qt::Checked);
    EXPECT_EQ(m_page.Pictures(),
              (std::vector<CPicturePP::Picture>{{"/pictures/a.png", false}, {"/pictures/b.png", true}}));
}
