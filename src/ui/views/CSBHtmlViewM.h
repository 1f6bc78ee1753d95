#pragma once

#include "ui/views/CSBHtmlView.h"

#include <string>

class CRecipeObj;

// The main display view: it follows the document's display requests and turns
// the links of its pages into commands on the workspace.
class CSBHtmlViewM : public CSBHtmlView {
    Q_OBJECT
public:
    static constexpr int kOpenBook = CommandId::kOpen;
    static constexpr int kNewBook = CommandId::kNewBook;
    static constexpr int kWebTab = CommandId::kTabWeb;
    static constexpr int kNutrientDatabase = CommandId::kNutrientDatabase;

    explicit CSBHtmlViewM(CSavorbridgeDoc& doc, QWidget* parent = nullptr);

    void OnInitialUpdate() override;
    int GetContextSubMenu() const override { return 2; }

    // Acts on a link of the page; false when the link is none of the program's.
    bool OnBeforeNavigate(const std::string& url);

signals:
    // A popup note the page asked for (an "#ERR" link).
    void noteShown(const QString& text);

private:
    bool HandleReference(const std::string& url);
    void ViewObject(CRecipeObj* object);
    void AddFavourite(CRecipeObj* object);
    void PropertiesOf(CRecipeObj* object);
    void AddToShoppingList(CRecipeObj* object);
    void LinkToNutrients(CRecipeObj* object);
    bool HandleCommandLink(const std::string& url);
    void ShowNote(const std::string& url);
    void SwapServing();
    void EditInPlace(const std::string& url);
    bool RunEditor(const std::string& url, CRecipeObj& object);
};
