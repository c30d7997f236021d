#pragma once
// A repository with the folders of the test catalogue, the message log and an empty store, for the
// tests that give the reader one catalogue after another.

#include "repository/Data2.h"
#include "repository/MessageLog.h"
#include "repository/Parser2.h"

#include "TempFolder.h"
#include "TestCatalogue.h"

#include <gtest/gtest.h>

#include <string>

class CatalogueFixture : public ::testing::Test
{
protected:
    CatalogueFixture() { TestCatalogue::WriteFolders(repository); }

    // Writes the catalogue and reads it into an empty store, with a fresh log.
    bool Parse(const std::string& catalogue)
    {
        repository.WriteFile("zanret.xml", catalogue);
        ZANRET::Data2::Reset();
        log.Clear();
        return ZANRET::Parser2::ParseRepository(repository.WidePath().c_str());
    }

    static std::wstring Field(const ZANRET::DataContainer* element, const wchar_t* name)
    {
        bool found = false;
        const wchar_t* value = element ? element->GetData(name, &found) : nullptr;
        return found && value ? value : L"<missing>";
    }

    static std::string Utf16(const std::u16string& text, bool bigEndian)
    {
        return TestCatalogue::Utf16(text, bigEndian);
    }

    CleanModel clean;
    MessageLog log;
    TempFolder repository;
};
