#pragma once

#include <QCompleter>
#include <QString>

class UnitTables;

// Completes the ingredient name of a typed line: in "1 c fl" only "fl" is
// matched against the names, and the amount and unit stay as typed.
class IngredientCompleter : public QCompleter {
    Q_OBJECT
public:
    IngredientCompleter(const QStringList& names, const UnitTables& units, QObject* parent);

    void SetNames(const QStringList& names);

    QStringList splitPath(const QString& path) const override;
    QString pathFromIndex(const QModelIndex& index) const override;

private:
    const UnitTables& m_units;
    // What was typed before the name, kept to put the completed line together.
    mutable QString m_typedBefore;
};
