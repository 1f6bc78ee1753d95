#pragma once

#include "ui/dialogs/CGenericPP.h"

#include <string>

class QLineEdit;
class QSpinBox;
class QTextEdit;

// A page holding one text of an item: instructions (with preparation time
// and servings), comments, keywords or an introduction.
class CTextInputPP : public CGenericPP {
    Q_OBJECT
public:
    static constexpr int kIntroductionTemplate = 1007;
    static constexpr int kInstructionsTemplate = 1018;

    explicit CTextInputPP(int templateId);

    void SetText(const std::string& text);
    std::string Text() const;
    void SetPrepTime(const std::string& prepTime);
    std::string PrepTime() const;
    void SetServings(int servings);
    int Servings() const;

private:
    QTextEdit* m_text;
    QLineEdit* m_prepTime = nullptr;
    QSpinBox* m_servings = nullptr;
};
