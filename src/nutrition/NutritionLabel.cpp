#include "nutrition/NutritionLabel.h"

#include "nutrition/Database.h"
#include "nutrition/NutrientTotals.h"

#include <array>
#include <cstdio>

namespace Nutrient {

namespace {

constexpr const char* kThickRule = "style=\"border-top: 6 solid #000000;\" nowrap";
constexpr const char* kMediumRule = "style=\"border-top: 3 solid #000000;\" nowrap";
constexpr const char* kThinRule = "style=\"border-top: 1 solid #000000;\" nowrap";

constexpr std::array<const char*, 5> kErrorMessages = {
    "A nutrient was not loaded.",          "A food item was not found.",   "An equation was not found.",
    "An equation could not be evaluated.", "A unit could not be matched.",
};

// Saturated, monounsaturated and polyunsaturated fat, fibre and sugars stand
// indented under the total above them.
bool IsSubRow(int key) {
    return key == 4 || key == 5 || key == 6 || key == 10 || key == 11;
}

std::string ValueText(double amount, const std::string& unit) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.0lf ", amount);
    std::string text = buffer + unit;
    while (!text.empty() && text.back() == ' ') {
        text.pop_back();
    }
    return text;
}

std::unique_ptr<LabelHtml> Styled(std::string text, bool bold) {
    auto style = LabelHtml::Text("");
    style->bold = bold;
    style->size = "2";
    return LabelHtml::Text(std::move(text), *style);
}

void AddPair(LabelHtml& table, const NutritionLabel::Row& row, const std::string& value, bool boldName,
             const char* rule) {
    table.AddCell(Styled(row.name, boldName)).extra = rule;
    LabelHtml& valueCell = table.AddCell(Styled(value, false));
    valueCell.horizontalAlign = LabelHtml::Align::Right;
    valueCell.extra = rule;
}

} // namespace

NutritionLabel::NutritionLabel(const Database& database, const NutrientTotals& totals)
    : m_database(database), m_totals(totals) {}

std::vector<NutritionLabel::Row> NutritionLabel::Rows(const Database& database, const NutrientTotals& totals) {
    std::vector<Row> rows;
    const auto addKey = [&](int key, char block) {
        const auto amount = totals.Value(key);
        if (!amount) {
            return;
        }
        const auto info = database.Info(key);
        if (info && info->labelBlock == block) {
            rows.push_back({key, info->name, info->unit, *amount});
        }
    };
    for (const char block : {'1', '2', '3', '4'}) {
        for (int key = 1; key <= 50; ++key) {
            addKey(key, block);
        }
        for (int key = 100; key <= 119; ++key) {
            addKey(key, block);
        }
    }
    return rows;
}

NutritionLabel::Heading NutritionLabel::MakeHeading(bool perServing, int servings, bool links, double scale) {
    Heading heading{"Amount Per ", scale};
    if (perServing && servings > 0) {
        heading.text += links ? "<a href=\"#SWAP_RECIPE\">Serving</a>" : "Serving";
        heading.multiplier = 1.0 / servings;
    } else if (!perServing && links && servings > 0) {
        heading.text += "<a href=\"#SWAP_SERVING\">Recipe</a>";
    } else {
        heading.text += "Recipe";
    }
    if (servings > 0) {
        heading.text += "<br>Number of Servings: " + std::to_string(static_cast<int>(servings * scale + 0.5));
    }
    return heading;
}

std::unique_ptr<LabelHtml> NutritionLabel::Build(bool perServing, int servings, bool links, double scale) const {
    const Heading heading = MakeHeading(perServing, servings, links, scale);

    auto root = LabelHtml::Text("");
    root->paragraph = true;
    root->childrenInside = true;
    root->face = "Arial Narrow";

    auto frame = LabelHtml::Table(1);
    frame->cellPadding = 3;
    frame->colour = std::array<int, 3>{255, 255, 255};
    frame->extra = "style=\"border: 1 solid #000000\"";
    LabelHtml& cell = *frame->Add(LabelHtml::Cell());
    cell.wrap = false;
    cell.width = 100;
    cell.widthUnit = LabelHtml::SizeUnit::Percent;

    auto title = LabelHtml::Text(m_totals.ErrorBits() != 0 ? "Nutrition Facts*" : "Nutrition Facts");
    title->bold = true;
    title->face = "Arial";
    title->size = "4";
    cell.Add(std::move(title));

    auto body = LabelHtml::Table(2);
    body->verticalAlign = LabelHtml::Align::Top;
    body->width = 100;
    body->widthUnit = LabelHtml::SizeUnit::Percent;

    auto headingText = LabelHtml::Text(heading.text);
    headingText->size = "1";
    auto errorText = LabelHtml::Text(ErrorText(links), *headingText);
    LabelHtml& headingCell = body->AddCell(std::move(headingText));
    headingCell.columnSpan = 2;
    headingCell.height = 15;
    headingCell.heightUnit = LabelHtml::SizeUnit::Pixels;
    headingCell.extra = kThickRule;

    AddNutrientRows(*body, heading.multiplier);

    LabelHtml& errorCell = body->AddCell(std::move(errorText));
    errorCell.extra = kThickRule;
    errorCell.columnSpan = 2;

    cell.Add(std::move(body));
    root->Add(std::move(frame));
    return root;
}

void NutritionLabel::AddNutrientRows(LabelHtml& body, double multiplier) const {
    LabelHtml* nested = nullptr;
    int block = 0;
    bool firstOfBlock = false;
    for (const Row& row : Rows(m_database, m_totals)) {
        const auto info = m_database.Info(row.key);
        const int rowBlock = info ? info->labelBlock : 0;
        firstOfBlock = rowBlock != block;
        block = rowBlock;
        const std::string value = ValueText(row.amount * multiplier, row.unit);
        if (!IsSubRow(row.key)) {
            nested = nullptr;
            AddPair(body, row, value, true, firstOfBlock && block != '1' ? kMediumRule : kThinRule);
            continue;
        }
        if (nested == nullptr) {
            auto table = LabelHtml::Table(2);
            table->width = 90;
            table->widthUnit = LabelHtml::SizeUnit::Percent;
            table->verticalAlign = LabelHtml::Align::Top;
            nested = table.get();
            LabelHtml& holder = body.AddCell(std::move(table));
            holder.wrap = false;
            holder.horizontalAlign = LabelHtml::Align::Right;
            holder.columnSpan = 2;
        }
        AddPair(*nested, row, value, false, kThinRule);
    }
}

std::string NutritionLabel::ErrorText(bool links) const {
    const std::int32_t bits = m_totals.ErrorBits();
    if (bits == 0) {
        return "All ingredients linked successfully";
    }
    std::string text;
    for (std::size_t i = 0; i < kErrorMessages.size(); ++i) {
        if ((bits & (1 << i)) == 0) {
            continue;
        }
        const std::string message = kErrorMessages[i];
        if (links) {
            text += "* <a href=\"#ERR" + std::to_string(i + 1) + "\">" + message + "</a><br>";
        } else {
            text += "* " + message + "<br>";
        }
    }
    return text;
}

} // namespace Nutrient
