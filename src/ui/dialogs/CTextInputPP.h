#pragma once

#include "ui/dialogs/CGenericPP.h"

#include <string>

class QComboBox;
class QLineEdit;
class QSpinBox;
class QTextEdit;

// A page holding one text of an item: instructions (with preparation time
// and servings), comments, keywords or an introduction. Bold and italic wrap
// the selection in the tags the item's page shows as such.
class CTextInputPP : public CGenericPP {
    Q_OBJECT
public:
    static constexpr int kIntroductionTemplate = 1007;
    static constexpr int kChapterIntroductionTemplate = 1008;
    static constexpr int kInstructionsTemplate = 1018;
    static constexpr int kCommentsTemplate = 1020;
    static constexpr int kKeywordsTemplate = 1021;

    explicit CTextInputPP(int templateId);

    void SetText(const std::string& text);
    std::string Text() const;
    void SetPrepTime(const std::string& prepTime);
    std::string PrepTime() const;
    void SetServings(int servings);
    int Servings() const;

    // Wraps the selected text in the tag and selects the same text inside it.
    void WrapSelection(const QString& tag);
    void InsertAtCaret(const QString& text);
    QTextEdit* TextEdit() const { return m_text; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void AddSpecialCharacters(QComboBox* combo);

    QTextEdit* m_text;
    QLineEdit* m_prepTime = nullptr;
    QSpinBox* m_servings = nullptr;
};
