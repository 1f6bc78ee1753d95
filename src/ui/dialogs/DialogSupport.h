#pragma once

#include "ui/dialogs/LayoutList.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>
#include <vector>

class Profile;
class QPushButton;
class QWidget;

// The behaviour every dialog, property page and property sheet shares:
// controls that follow the window when it is resized, tooltips, quick help
// under F1, the remembered screen rectangle and the "Help >>" expansion.
class DialogSupport : public QObject {
    Q_OBJECT
public:
    static constexpr int kHelpBase = 131072;
    static constexpr int kHelpPaneWidth = 250;
    static constexpr int kNoQuickHelpId = 20000;

    // window is the widget whose children are laid out; profile is where the
    // rectangle is remembered, or null for a window that does not remember
    // one (a page inside a sheet).
    DialogSupport(QWidget* window, int templateId, Profile* profile);

    int TemplateId() const { return m_templateId; }
    bool RectangleRestored() const { return m_restored; }

    static void SetControlId(QWidget* control, int id);
    static int ControlId(const QWidget* control);
    // The quick help of a control id: its own string, or the general note.
    static QString QuickHelpText(int controlId);

    void RegisterControl(QWidget* control, unsigned flags);
    void SetToolTip(QWidget* control, const QString& text);
    void SetToolTip(QWidget* control, int stringId);
    void ShowQuickHelp(const QString& text, QPoint screenPoint, int width);

    // The button that toggles the help pane (control id 9); with expansion
    // off it asks for the ordinary help of the topic instead.
    void SetHelpButton(QPushButton* button, bool expansion);
    bool HelpShown() const { return m_helpShown; }
    QWidget* HelpPane() const { return m_helpPane; }
    // The topic the help button shows; a sheet shows its active page's.
    void SetHelpTopicSource(std::function<int()> source);

signals:
    void helpRequested(int contextId);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void RestoreOrStoreRectangle();
    void StoreRectangle();
    void Arrange();
    void ToggleHelp();
    void ShowHelp();
    void HideHelp();
    void QuickHelpForFocus();
    int HelpTopic() const;

    QWidget* m_window;
    int m_templateId;
    Profile* m_profile;
    LayoutList m_layout;
    std::vector<QPointer<QWidget>> m_controls;
    bool m_initialised = false;
    bool m_restored = false;
    bool m_tracking = false;
    QPointer<QPushButton> m_helpButton;
    QPointer<QWidget> m_helpPane;
    bool m_helpExpansion = false;
    bool m_helpShown = false;
    std::function<int()> m_topicSource;
};
