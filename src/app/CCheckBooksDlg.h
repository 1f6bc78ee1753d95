#pragma once

#include "app/BookChecklist.h"

class QWidget;

// The check list of the open books that Save shows, as a modal dialog.
class CCheckBooksDlg : public BookChecklist {
public:
    explicit CCheckBooksDlg(QWidget* parent = nullptr) : m_parent(parent) {}

    void SetParent(QWidget* parent) { m_parent = parent; }
    std::optional<std::vector<bool>> ChooseBooks(std::string_view title, const std::vector<std::string>& titles,
                                                 const std::vector<bool>& ticked) override;

private:
    QWidget* m_parent;
};
