#pragma once

#include <QDialog>
#include <QIcon>
#include <vector>

class CGenericPP;
class DialogSupport;
class Profile;
class QPushButton;
class QTabWidget;

// The base of every property sheet: a resizable dialog of tabbed pages with
// OK, Cancel and "Help >>", which shows the help of the page on top.
class CGenericPS : public QDialog {
    Q_OBJECT
public:
    CGenericPS(int templateId, const QString& caption, Profile& profile, QWidget* parent = nullptr);

    // Adds a page; the sheet grows so that the largest page fits.
    void AddPage(CGenericPP* page, const QString& caption, const QIcon& image = {});
    // The size of the tab images, 20 x 16 or 16 x 16 as the sheet prefers.
    void SetTabImageSize(QSize size);
    // The page shown first, by index.
    void SetActivePage(int index);
    int ActivePageIndex() const;
    CGenericPP* Page(int index) const;
    int PageCount() const { return static_cast<int>(m_pages.size()); }

    int TemplateId() const;
    bool RectangleRestored() const;
    bool HelpShown() const;

signals:
    void helpRequested(int contextId);

private:
    void AcceptPages();
    int ActivePageTemplate() const;

    DialogSupport* m_support;
    QTabWidget* m_tabs;
    std::vector<CGenericPP*> m_pages;
};
