#include "ui/views/CSBHtmlViewM.h"

#include "app/CSavorbridgeDoc.h"
#include "app/CSettings.h"
#include "app/PageLink.h"
#include "model/CRecipe.h"
#include "ui/dialogs/CHelpWnd.h"
#include "ui/dialogs/CMiniEditor.h"

#include <QCursor>
#include <QTimer>

#include <array>
#include <functional>

namespace {

constexpr int kIngredientStyle = 5;

} // namespace

CSBHtmlViewM::CSBHtmlViewM(CSavorbridgeDoc& doc, QWidget* parent) : CSBHtmlView(doc, parent) {
    setObjectName("displayView");
    connect(this, &CHtmlView::beforeNavigate, this,
            [this](const QString& url) { OnBeforeNavigate(url.toStdString()); });
    connect(&m_doc, &CSavorbridgeDoc::displayRequested, this, &CSBHtmlView::Display);
    // The home page lists the open books, so it follows them.
    connect(&m_doc, &CSavorbridgeDoc::booksChanged, this, [this] {
        if (m_doc.CurrentItem() == nullptr) {
            Display(nullptr);
        }
    });
    // Once the closed book is gone, the home page replaces a page of it.
    connect(&m_doc, &CSavorbridgeDoc::bookClosing, this, [this] {
        QTimer::singleShot(0, this, [this] {
            if (m_doc.CurrentItem() == nullptr) {
                Display(nullptr);
            }
        });
    });
    connect(this, &CHtmlView::documentComplete, this, [this] { SetBackground(m_doc.Settings().m_backgroundColor); });
}

void CSBHtmlViewM::OnInitialUpdate() {
    CSBHtmlView::OnInitialUpdate();
    SetBackground(m_doc.Settings().m_backgroundColor);
}

bool CSBHtmlViewM::OnBeforeNavigate(const std::string& url) {
    if (HandleReference(url) || HandleCommandLink(url)) {
        return true;
    }
    if (url.find("#ERR") != std::string::npos) {
        ShowNote(url);
        return true;
    }
    if (url.find("#SWAP_") != std::string::npos) {
        SwapServing();
        return true;
    }
    if (url.find("#modify_") != std::string::npos) {
        EditInPlace(url);
        return true;
    }
    return false;
}

bool CSBHtmlViewM::HandleReference(const std::string& url) {
    using Action = void (CSBHtmlViewM::*)(CRecipeObj*);
    static const std::array<std::pair<const char*, Action>, 7> actions = {{
        {PageLink::kViewTag, &CSBHtmlViewM::ViewObject},
        {"#MOD", &CSBHtmlViewM::PropertiesOf},
        {"#FAV", &CSBHtmlViewM::AddFavourite},
        {"#ASL", &CSBHtmlViewM::AddToShoppingList},
        {"#LNK", &CSBHtmlViewM::LinkToNutrients},
        {"#MKT", nullptr},
        {"#AMN", nullptr},
    }};
    for (const auto& [tag, action] : actions) {
        const PageLink::Reference reference = PageLink::FindReference(url, tag, m_doc.GetBooks());
        if (!reference.found) {
            continue;
        }
        if (action != nullptr) {
            (this->*action)(reference.object);
        }
        return true;
    }
    return false;
}

void CSBHtmlViewM::ViewObject(CRecipeObj* object) {
    m_doc.Display(object);
}

void CSBHtmlViewM::AddFavourite(CRecipeObj* object) {
    auto* recipe = dynamic_cast<CRecipe*>(object);
    if (recipe == nullptr || recipe->Favourite()) {
        return;
    }
    recipe->SetFavourite(true, false);
    m_doc.MarkChanged(*recipe);
    m_doc.Redisplay();
}

void CSBHtmlViewM::PropertiesOf(CRecipeObj* object) {
    if (object != nullptr) {
        m_doc.OnProperties(*object);
    }
}

void CSBHtmlViewM::AddToShoppingList(CRecipeObj* object) {
    if (dynamic_cast<CRecipe*>(object) != nullptr) {
        m_doc.NotAvailableYet("The shopping list");
    }
}

void CSBHtmlViewM::LinkToNutrients(CRecipeObj* object) {
    if (dynamic_cast<CRecipe*>(object) != nullptr) {
        m_doc.NotAvailableYet("Linking ingredients to the nutrient database");
    }
}

bool CSBHtmlViewM::HandleCommandLink(const std::string& url) {
    static const std::array<std::pair<const char*, int>, 4> commands = {{
        {"#FILE_OPEN", kOpenBook},
        {"#CREATE", kNewBook},
        {"#SEARCH", kWebTab},
        {"#NUTRIENTS", kNutrientDatabase},
    }};
    for (const auto& [key, id] : commands) {
        if (url.find(key) != std::string::npos) {
            PostCommand(id);
            return true;
        }
    }
    return false;
}

void CSBHtmlViewM::ShowNote(const std::string& url) {
    const std::string text = PageLink::ErrorText(url);
    if (text.empty()) {
        return;
    }
    const QString note = QString::fromStdString(text);
    CHelpWnd::Show(this, note, QCursor::pos());
    emit noteShown(note);
}

void CSBHtmlViewM::SwapServing() {
    int& perServing = m_doc.Settings().m_showPerServing;
    perServing = perServing != 0 ? 0 : 1;
    m_doc.Redisplay();
}

void CSBHtmlViewM::EditInPlace(const std::string& url) {
    auto* object = dynamic_cast<CRecipeObj*>(m_doc.CurrentItem());
    if (object == nullptr || url.find('(') == std::string::npos) {
        return;
    }
    if (RunEditor(url, *object)) {
        m_doc.MarkChanged(*object);
    }
    m_doc.Redisplay();
}

bool CSBHtmlViewM::RunEditor(const std::string& url, CRecipeObj& object) {
    const auto edit = PageLink::ParseEdit(url);
    if (!edit) {
        return false;
    }
    const QRect rect(mapToGlobal(QPoint(edit->left, edit->top)), QSize(edit->width, edit->height));
    const CSettings& settings = m_doc.Settings();
    if (edit->kind == PageLink::EditKind::Ingredient) {
        auto* recipe = dynamic_cast<CRecipe*>(&object);
        // A stale page may name a line that no longer exists.
        if (recipe == nullptr || edit->ingredient < 0 ||
            static_cast<std::size_t>(edit->ingredient) >= recipe->Ingredients().size()) {
            return false;
        }
        CMiniEditor editor(rect, *recipe->Ingredients()[static_cast<std::size_t>(edit->ingredient)],
                           settings.TextStyle(kIngredientStyle), this);
        if (editor.exec() != QDialog::Accepted) {
            return false;
        }
        // The line belongs to the recipe, whose counter tells handhelds it changed.
        recipe->Touch();
        return true;
    }
    const bool title = edit->kind == PageLink::EditKind::Title;
    const int style = title ? object.TitleStyle() : object.TextStyle();
    if (style < 0) {
        return false;
    }
    CMiniEditor editor(rect, title ? CMiniEditor::Title : CMiniEditor::Introduction, object, settings.TextStyle(style),
                       this);
    return editor.exec() == QDialog::Accepted;
}
