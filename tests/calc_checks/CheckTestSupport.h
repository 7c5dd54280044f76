// Shared by the tests of the conformity checks: host databases holding reference mixtures, written into
// the temporary folder and pointed at for the length of a test, and comparison of whole journals.
#pragma once

#include <gtest/gtest.h>

#include <atomic>
#include <cstdint>
#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "HostWriter.h"
#include "calc/journal/Journal.h"
#include "calc/journal/MessageJournal.h"
#include "data/AliasLookup.h"
#include "data/ComponentCatalogue.h"
#include "data/DataBaseConnection.h"
#include "platform/Platform.h"
#include "text/StringIds.gen.h"
#include "text/Utf.h"

namespace checkstest {

// One certified component, named by its identifier; written under its default display name, which the
// loader turns back into the identifier.
struct Certified {
    std::u16string id;
    double concentrationMolPct = 0.0;
    double deviationMolPct = 0.0;
    int32_t decimals = 3;
};

// A host database in the temporary folder with the given mixtures; removed on destruction. While it
// lives it is the database every loader reads.
class MixtureDatabase {
public:
    explicit MixtureDatabase(int32_t version = 24) {
        static std::atomic<int> counter{0};
        const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
        std::string name = "tarvel-checks-";
        name += test != nullptr ? test->name() : "global";
        name += '-' + std::to_string(counter++) + ".db";
        path_ = Utf16ToUtf8(platform::TempDirectory()) + name;
        sim::RemoveDatabaseFile(path_);
        writer_ = std::make_unique<sim::HostWriter>(path_);
        writer_->CreateSchema(sim::SchemaOptions{version, true});
        DataBaseConnection::SetUri(Utf8ToUtf16(path_));
    }
    ~MixtureDatabase() {
        writer_.reset();
        DataBaseConnection::SetUri(nullptr);
        sim::RemoveDatabaseFile(path_);
    }
    MixtureDatabase(const MixtureDatabase&) = delete;
    MixtureDatabase& operator=(const MixtureDatabase&) = delete;

    void Add(std::u16string_view name, const std::vector<Certified>& components) {
        const AliasList aliases = DefaultAliasList();
        const int64_t mixtureId = writer_->AddMixture(name);
        for (const Certified& component : components) {
            sim::CertifiedComponent row;
            row.name = DisplayNameForComponent(aliases, component.id);
            row.concentration = component.concentrationMolPct;
            row.deviation = component.deviationMolPct;
            row.decimals = component.decimals;
            row.deviationDecimals = 3;
            writer_->AddMixtureComponent(mixtureId, row);
        }
    }

    sim::HostWriter& writer() { return *writer_; }
    const std::string& path() const { return path_; }

private:
    std::string path_;
    std::unique_ptr<sim::HostWriter> writer_;
};

// A journal entry as a test expects it: the category and the finished text.
struct Entry {
    uint32_t category = 0;
    std::u16string text;
};

inline Entry Message(uint32_t category, uint32_t stringId, std::initializer_list<FormatArg> args = {}) {
    return Entry{category, LoadMessageText(stringId, args)};
}

inline std::string Describe(const std::vector<JournalEntry>& entries) {
    std::string text;
    for (const JournalEntry& entry : entries) {
        text += "  [" + std::to_string(entry.category) + "] " + Utf16ToUtf8(entry.text) + "\n";
    }
    return text;
}

// The journal holds exactly these entries, in this order.
inline void ExpectJournal(const MessageJournal& journal, const std::vector<Entry>& expected) {
    std::vector<JournalEntry> wanted;
    for (const Entry& entry : expected) {
        wanted.push_back(JournalEntry{entry.category, entry.text});
    }
    ASSERT_EQ(journal.entries.size(), wanted.size()) << "journal:\n"
                                                     << Describe(journal.entries) << "expected:\n"
                                                     << Describe(wanted);
    for (size_t i = 0; i < wanted.size(); ++i) {
        EXPECT_EQ(journal.entries[i].category, wanted[i].category) << "entry " << i;
        EXPECT_EQ(Utf16ToUtf8(journal.entries[i].text), Utf16ToUtf8(wanted[i].text)) << "entry " << i;
    }
}

inline std::u16string Display(std::u16string_view id) {
    return DisplayNameForComponent(DefaultAliasList(), id);
}

} // namespace checkstest
