#include "ui/dialogs/CGenericDlg.h"

#include "support/MemoryProfile.h"
#include "ui/dialogs/CHelpWnd.h"
#include "ui/dialogs/DialogHelpPane.h"
#include "ui/dialogs/DialogPlacement.h"
#include "ui/dialogs/DialogSupport.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace {

constexpr int kTemplate = 700;

// A dialog as the program's own dialogs build themselves: controls at their
// design places, registered with the way they follow a resize.
class SampleDlg : public CGenericDlg {
public:
    explicit SampleDlg(Profile& profile) : CGenericDlg(kTemplate, profile) {
        resize(300, 200);
        m_edit = new QLineEdit(this);
        m_edit->setObjectName("edit");
        m_edit->setGeometry(10, 10, 200, 150);
        DialogSupport::SetControlId(m_edit, 2241);
        RegisterControl(m_edit, LayoutList::GrowWidth | LayoutList::GrowHeight);

        m_cancel = new QPushButton("Cancel", this);
        m_cancel->setObjectName("cancel");
        m_cancel->setGeometry(220, 10, 70, 24);
        DialogSupport::SetControlId(m_cancel, 2);
        RegisterControl(m_cancel, LayoutList::MoveRight);
        SetToolTip(m_cancel, 2);

        m_help = new QPushButton(this);
        m_help->setGeometry(220, 40, 70, 24);
        RegisterControl(m_help, LayoutList::MoveRight);
        SetHelpButton(m_help);
    }

    QLineEdit* m_edit;
    QPushButton* m_cancel;
    QPushButton* m_help;
};

class TopicPane : public QLabel, public DialogHelpPane {
public:
    explicit TopicPane(QWidget* parent) : QLabel(parent) {}
    void ShowTopic(int contextId) override { setText(QString::number(contextId)); }
};

CHelpWnd* OpenNote() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* note = qobject_cast<CHelpWnd*>(widget); note != nullptr && note->isVisible()) {
            return note;
        }
    }
    return nullptr;
}

QString QuickHelpAfterF1(QWidget* dialog, QWidget* control) {
    dialog->activateWindow();
    if (!QTest::qWaitForWindowActive(dialog)) {
        return {};
    }
    control->setFocus();
    QTest::keyClick(control, Qt::Key_F1);
    CHelpWnd* note = OpenNote();
    if (note == nullptr) {
        return {};
    }
    const QString text = note->Text();
    note->close();
    QTest::qWait(1);
    return text;
}

} // namespace

class CGenericDlgTest : public ::testing::Test {
protected:
    void TearDown() override { DialogHelpPane::SetMaker(nullptr); }
    MemoryProfile m_profile;
};

TEST_F(CGenericDlgTest, FirstOpeningStoresTheRectangleAndAMovedDialogReopensThere) {
    {
        SampleDlg first(m_profile);
        first.show();
        EXPECT_FALSE(first.RectangleRestored());
        EXPECT_TRUE(m_profile.Has("SettingsV4\\Dialogs", "Dlg700"));
        first.setGeometry(120, 80, 340, 260);
    }
    EXPECT_EQ(m_profile.GetString("SettingsV4\\Dialogs", "Dlg700", ""), "120 80 460 340");
    SampleDlg second(m_profile);
    second.show();
    EXPECT_TRUE(second.RectangleRestored());
    EXPECT_EQ(second.geometry(), QRect(120, 80, 340, 260));
}

TEST_F(CGenericDlgTest, ControlsFollowAResizeByTheirFlags) {
    SampleDlg dialog(m_profile);
    dialog.show();
    dialog.resize(340, 230);
    EXPECT_EQ(dialog.m_edit->geometry(), QRect(10, 10, 240, 180));
    EXPECT_EQ(dialog.m_cancel->geometry(), QRect(260, 10, 70, 24));
    EXPECT_EQ(dialog.m_cancel->toolTip(), "Click to cancel the changes and close the dialog.");
}

TEST_F(CGenericDlgTest, F1ShowsTheControlsOwnQuickHelpOrTheGeneralNote) {
    SampleDlg dialog(m_profile);
    dialog.show();
    EXPECT_EQ(QuickHelpAfterF1(&dialog, dialog.m_cancel), "Click to cancel the changes and close the dialog.");
    EXPECT_EQ(QuickHelpAfterF1(&dialog, dialog.m_edit),
              "No quick help is available for this item. Click the Help button for more information.");
}

TEST_F(CGenericDlgTest, HelpButtonIsDisabledWhileThereIsNoHelpPane) {
    SampleDlg dialog(m_profile);
    EXPECT_EQ(dialog.m_help->text(), "Help >>");
    EXPECT_FALSE(dialog.m_help->isEnabled());
    EXPECT_EQ(dialog.m_help->toolTip(), "The help pane is not available in this version.");
}

TEST_F(CGenericDlgTest, ARectangleOffEveryScreenKeepsItsSizeButOpensOnTheScreen) {
    m_profile.WriteString("SettingsV4\\Dialogs", "Dlg700", "-5000 -4000 -4660 -3740");
    SampleDlg dialog(m_profile);
    dialog.show();
    EXPECT_TRUE(dialog.RectangleRestored());
    EXPECT_EQ(dialog.size(), QSize(340, 260));
    EXPECT_TRUE(QGuiApplication::primaryScreen()->availableGeometry().intersects(dialog.geometry()));
}

TEST_F(CGenericDlgTest, PressingHelpTwiceShowsTheTopicAndRestoresTheFirstWidth) {
    DialogHelpPane::SetMaker([](QWidget* parent) { return new TopicPane(parent); });
    SampleDlg dialog(m_profile);
    dialog.show();
    const int firstWidth = dialog.width();

    QTest::mouseClick(dialog.m_help, Qt::LeftButton);
    auto* pane = dialog.findChild<TopicPane*>("helpPane");
    ASSERT_NE(pane, nullptr);
    EXPECT_TRUE(dialog.HelpShown());
    EXPECT_EQ(dialog.width(), firstWidth + 250);
    EXPECT_EQ(dialog.m_help->text(), "Help <<");
    EXPECT_EQ(pane->text(), QString::number(131072 + kTemplate));
    EXPECT_EQ(pane->geometry().left(), firstWidth);
    EXPECT_EQ(dialog.m_cancel->geometry().left(), 220) << "the controls stay laid out in the left part";
    dialog.move(dialog.pos() + QPoint(10, 10));
    const auto stored = DialogPlacement::Read(m_profile, kTemplate);
    ASSERT_TRUE(stored.has_value());
    EXPECT_EQ(stored->right - stored->left, firstWidth) << "the dialog is remembered without the help pane";

    QTest::mouseClick(dialog.m_help, Qt::LeftButton);
    EXPECT_FALSE(dialog.HelpShown());
    EXPECT_FALSE(pane->isVisible());
    EXPECT_EQ(dialog.width(), firstWidth);
    EXPECT_EQ(dialog.m_help->text(), "Help >>");
}

TEST_F(CGenericDlgTest, WithoutExpansionTheHelpButtonAsksForTheDialogsTopic) {
    class PlainDlg : public CGenericDlg {
    public:
        explicit PlainDlg(Profile& profile) : CGenericDlg(kTemplate, profile) {
            SetHelpExpansion(false);
            m_help = new QPushButton("Help", this);
            SetHelpButton(m_help);
        }
        QPushButton* m_help;
    };
    PlainDlg dialog(m_profile);
    QSignalSpy asked(&dialog, &CGenericDlg::helpRequested);
    QTest::mouseClick(dialog.m_help, Qt::LeftButton);
    ASSERT_EQ(asked.count(), 1);
    EXPECT_EQ(asked.at(0).at(0).toInt(), 131072 + kTemplate);
    EXPECT_EQ(dialog.m_help->text(), "Help");
}
