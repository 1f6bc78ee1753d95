#include "ui/dialogs/IngredientCompleter.h"

#include "quantities/IngredientText.h"

#include <QStringListModel>

IngredientCompleter::IngredientCompleter(const QStringList& names, const UnitTables& units, QObject* parent)
    : QCompleter(new QStringListModel(names, parent), parent), m_units(units) {
    setCaseSensitivity(Qt::CaseInsensitive);
    setCompletionMode(QCompleter::PopupCompletion);
    setModelSorting(QCompleter::UnsortedModel);
}

void IngredientCompleter::SetNames(const QStringList& names) {
    static_cast<QStringListModel*>(model())->setStringList(names);
}

QStringList IngredientCompleter::splitPath(const QString& path) const {
    std::vector<IngredientParts> lines;
    ParseIngredientText(path.toStdString(), m_units, lines);
    const QString name = lines.size() == 1 ? QString::fromStdString(lines.front().description) : QString();
    if (name.isEmpty() || !path.endsWith(name)) {
        m_typedBefore.clear();
        return {path};
    }
    m_typedBefore = path.left(path.size() - name.size());
    return {name};
}

QString IngredientCompleter::pathFromIndex(const QModelIndex& index) const {
    return m_typedBefore + QCompleter::pathFromIndex(index);
}
