#pragma once

#include "app/CSBDocBase.h"
#include "render/CHtmlWriter.h"
#include "render/PageOptions.h"

#include <filesystem>
#include <memory>

class CObject;
class CRecipeObj;
class CSettings;
class UnitTables;

// The page the display view shows for an item: the home page for none, the
// rendered page of a book, chapter or recipe otherwise.
class DisplayPage {
public:
    DisplayPage(const CSettings& settings, const UnitTables* units, std::filesystem::path programFolder)
        : m_settings(settings), m_units(units), m_programFolder(std::move(programFolder)) {}

    std::unique_ptr<CHtmlWriter> Build(CObject* item, const CSBDocBase::Books& books, const PageOptions& base) const;
    PageOptions Options(const CRecipeObj& object, const PageOptions& base) const;

private:
    void AddObject(CRecipeObj& object, CHtmlWriter& page, const PageOptions& base) const;
    void AddPictures(const CRecipeObj& object, CHtmlWriter& page) const;
    void AddHome(CHtmlWriter& page, const CSBDocBase::Books& books) const;

    const CSettings& m_settings;
    const UnitTables* m_units;
    std::filesystem::path m_programFolder;
};
