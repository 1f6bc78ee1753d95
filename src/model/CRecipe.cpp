#include "model/CRecipe.h"

#include "model/ArchiveClass.h"
#include "model/ArchiveReader.h"
#include "model/ArchiveWriter.h"
#include "model/CRecipeBook.h"
#include "model/CRecipeChapter.h"
#include "model/TextCompare.h"

#include <algorithm>
#include <charconv>
#include <cstdio>

namespace {

std::unique_ptr<CObject> CreateRecipe() {
    return std::make_unique<CRecipe>();
}

// Servings and preparation time share one stored text: the number, one
// space, then the time (which may itself hold spaces).
std::string ServingsText(int servings, const std::string& prepTime) {
    return std::to_string(servings) + ' ' + prepTime;
}

int LeadingInteger(std::string_view text) {
    int value = 0;
    const std::size_t start = text.find_first_not_of(" \t");
    if (start != std::string_view::npos) {
        std::from_chars(text.data() + start, text.data() + text.size(), value);
    }
    return value;
}

} // namespace

const ArchiveClass CRecipe::s_class("CRecipe", &CRecipeObj::s_class, &CreateRecipe);

CRecipe::CRecipe() : CRecipeObj("Recipe") {}

CRecipe::~CRecipe() {
    if (m_book != nullptr && m_favourite) {
        m_book->RemoveFavourite(*this);
    }
}

const ArchiveClass& CRecipe::RuntimeClass() const {
    return s_class;
}

std::string CRecipe::ObjectId() const {
    char text[32];
    std::snprintf(text, sizeof text, "Rec%08x_%08x", m_book != nullptr ? m_book->Id() : 0u, Id());
    return text;
}

std::unique_ptr<CRecipe> CRecipe::Clone() const {
    auto copy = std::make_unique<CRecipe>();
    copy->SetId(Id());
    copy->SetTitle(Title());
    copy->SetText(Text());
    copy->SetIcon(Icon());
    for (const RecipeImage& picture : Pictures()) {
        if (!picture.Temporary()) {
            copy->AddPicture(RecipeImage(picture.Path(), picture.Shown()));
        }
    }
    for (const auto& line : m_ingredients) {
        copy->AppendIngredient(std::make_unique<CIngredient>(*line));
    }
    copy->m_comments = m_comments;
    copy->m_keywords = m_keywords;
    copy->m_prepTime = m_prepTime;
    copy->m_servings = m_servings;
    copy->m_favourite = m_favourite;
    copy->m_nutrients = m_nutrients;
    return copy;
}

void CRecipe::SetBook(CRecipeBook* book) {
    if (m_favourite) {
        if (m_book != nullptr) {
            m_book->RemoveFavourite(*this);
        }
        if (book != nullptr) {
            book->AddFavourite(*this);
        }
    }
    if (book == m_book) {
        return;
    }
    m_book = book;
    if (book != nullptr) {
        book->AssignId(*this);
    }
}

CIngredient& CRecipe::InsertIngredient(std::unique_ptr<CIngredient> line, std::size_t position) {
    line->SetOwner(this);
    position = std::min(position, m_ingredients.size());
    return **m_ingredients.insert(m_ingredients.begin() + static_cast<std::ptrdiff_t>(position), std::move(line));
}

CIngredient& CRecipe::AppendIngredient(std::unique_ptr<CIngredient> line) {
    return InsertIngredient(std::move(line), m_ingredients.size());
}

std::unique_ptr<CIngredient> CRecipe::RemoveIngredient(std::size_t position) {
    if (position >= m_ingredients.size()) {
        return nullptr;
    }
    std::unique_ptr<CIngredient> line = std::move(m_ingredients[position]);
    m_ingredients.erase(m_ingredients.begin() + static_cast<std::ptrdiff_t>(position));
    line->SetOwner(nullptr);
    return line;
}

void CRecipe::MoveIngredient(std::size_t from, std::size_t to) {
    if (from >= m_ingredients.size() || to >= m_ingredients.size()) {
        return;
    }
    std::unique_ptr<CIngredient> line = std::move(m_ingredients[from]);
    m_ingredients.erase(m_ingredients.begin() + static_cast<std::ptrdiff_t>(from));
    m_ingredients.insert(m_ingredients.begin() + static_cast<std::ptrdiff_t>(to), std::move(line));
}

void CRecipe::SetServings(int servings) {
    if (servings == m_servings) {
        return;
    }
    Touch();
    m_servings = servings;
}

void CRecipe::SetFavourite(bool favourite, bool quiet) {
    if (favourite == m_favourite) {
        return;
    }
    m_favourite = favourite;
    if (m_book != nullptr) {
        if (favourite) {
            m_book->AddFavourite(*this);
        } else {
            m_book->RemoveFavourite(*this);
        }
    }
    if (!quiet) {
        Touch();
    }
}

void CRecipe::Store(ArchiveWriter& archive) const {
    StoreShared(archive);
    archive.WriteInt(static_cast<std::int32_t>(m_ingredients.size()));
    for (const auto& line : m_ingredients) {
        archive.WriteObject(line.get());
    }
    archive.WriteInt(1);
    archive.WriteString(m_comments);
    archive.WriteString(m_keywords);
    archive.WriteInt(1);
    archive.WriteBool(m_favourite);
    archive.WriteString(ServingsText(m_servings, m_prepTime));
    const bool storeCache = archive.GetContext().storeNutrientCache && !m_nutrients.Empty();
    archive.WriteBool(storeCache);
    if (storeCache) {
        m_nutrients.Store(archive);
    }
}

// A damaged recipe keeps what was read and carries the load-error mark; its
// container sees the mark and stops reading.
void CRecipe::Load(ArchiveReader& archive) {
    try {
        LoadShared(archive);
        LoadFields(archive);
    } catch (const ArchiveError&) {
        SetLoadError(true);
    }
}

void CRecipe::LoadFields(ArchiveReader& archive) {
    const std::int32_t count = archive.ReadInt();
    for (std::int32_t i = 0; i < count; ++i) {
        if (auto line = archive.ReadNew<CIngredient>(CIngredient::s_class)) {
            AppendIngredient(std::move(line));
        }
    }
    if (archive.ReadInt() == 0) {
        return;
    }
    m_comments = archive.ReadString();
    m_keywords = archive.ReadString();
    if (archive.ReadInt() == 0) {
        return;
    }
    m_favourite = archive.ReadInt() != 0;
    const std::string servings = archive.ReadString();
    if (const std::size_t space = servings.find(' '); space != std::string::npos) {
        m_servings = LeadingInteger(std::string_view(servings).substr(0, space));
        m_prepTime = servings.substr(space + 1);
    }
    if (archive.ReadInt() != 0) {
        m_nutrients.Load(archive);
    }
}

void CRecipe::MergeIngredients(CRecipe& partner, MergeMode mode) {
    if (mode == MergeMode::Replace) {
        m_ingredients.clear();
        while (!partner.m_ingredients.empty()) {
            AppendIngredient(partner.RemoveIngredient(0));
        }
        return;
    }
    for (const auto& line : partner.m_ingredients) {
        const bool known = std::any_of(m_ingredients.begin(), m_ingredients.end(),
                                       [&line](const auto& own) { return own->Compare(*line) == 0; });
        if (known) {
            continue;
        }
        if (!Merged()) {
            AppendIngredient(std::make_unique<CIngredient>("", "", kMergedMark));
            SetMerged();
        }
        AppendIngredient(std::make_unique<CIngredient>(*line));
    }
}

// Follows the partner's place: the chapter of the same id in this book, or
// the top level when the partner sits directly in its book.
void CRecipe::MoveBeside(const CRecipe& partner) {
    if (m_book == nullptr) {
        return;
    }
    CRecipeBook& book = *m_book;
    if (partner.m_chapter != nullptr) {
        CRecipeChapter* target = book.FindChapter(partner.m_chapter->Id());
        if (target != nullptr && target != m_chapter) {
            target->AddRecipe(book.DetachRecipe(*this));
        }
        return;
    }
    if (partner.m_book != nullptr && m_chapter != nullptr) {
        book.AddRecipe(book.DetachRecipe(*this));
    }
}

void CRecipe::MergeFromPartner(MergeMode mode) {
    auto* partner = dynamic_cast<CRecipe*>(MergePartner());
    if (partner == nullptr) {
        CRecipeObj::MergeFromPartner(mode);
        return;
    }
    MergeIngredients(*partner, mode);
    if (mode == MergeMode::Replace) {
        m_comments = partner->m_comments;
        m_keywords = partner->m_keywords;
    } else {
        MergeText(m_comments, partner->m_comments);
        MergeText(m_keywords, partner->m_keywords);
    }
    if (!m_favourite) {
        SetFavourite(partner->m_favourite, true);
    }
    MoveBeside(*partner);
    CRecipeObj::MergeFromPartner(mode);
}
