#pragma once

#include <QDialog>
#include <QRect>

class CIngredient;
class CRecipeObj;
class QLineEdit;
class QPlainTextEdit;
struct CTextStyle;

// The small editor that opens over a title, an introduction or an ingredient
// line of the displayed page, in the page's own font, covering exactly the
// element that was double-clicked. Enter or OK keeps the change, Escape or
// the cancel button drops it, and clicking away keeps it, as leaving a field
// on a form does.
class CMiniEditor : public QDialog {
    Q_OBJECT
public:
    enum Kind { Title = 0, IngredientLine = 1, Introduction = 2 };

    // Edits the title (Title) or the introduction (Introduction) of the object.
    CMiniEditor(const QRect& screenRect, Kind kind, CRecipeObj& object, const CTextStyle& style,
                QWidget* parent = nullptr);
    // Edits amount, unit and description of an ingredient line.
    CMiniEditor(const QRect& screenRect, CIngredient& ingredient, const CTextStyle& style, QWidget* parent = nullptr);

    Kind EditKind() const { return m_kind; }
    static QFont StyleFont(const CTextStyle& style);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    CMiniEditor(const QRect& screenRect, Kind kind, const CTextStyle& style, QWidget* parent);
    void Build();
    void Store();
    void StoreObject();
    void StoreIngredient();
    QLineEdit* AddLine(const char* name, int controlId);

    Kind m_kind;
    QRect m_rect;
    CRecipeObj* m_object = nullptr;
    CIngredient* m_ingredient = nullptr;
    QLineEdit* m_text = nullptr;
    QLineEdit* m_amount = nullptr;
    QLineEdit* m_unit = nullptr;
    QPlainTextEdit* m_multiLine = nullptr;
};
