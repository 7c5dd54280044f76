// The calculation libraries are bound once, from the program's folder, and a missing library or entry is
// told apart from a database failure.
#include <gtest/gtest.h>

#include "calc/bindings/Gost31371Binding.h"
#include "calc/bindings/Gost34704Binding.h"
#include "calc/bindings/Gost6976Binding.h"
#include "calc/bindings/LibraryLoading.h"
#include "data/SqlException.h"

namespace {

int g_resolutions = 0;

struct AbsentBinding {
    bool loaded = false;
    double (*Calc)(double) = nullptr;
};

struct PartialBinding {
    bool loaded = false;
    void* Calc3136921 = nullptr;
    void* Missing = nullptr;
};

TEST(LibraryBinding, AnAbsentLibraryIsBoundOnceAsNotLoadedAndRaisesNoDatabaseFailure) {
    g_resolutions = 0;
    auto resolve = [](EntryResolver& entry, AbsentBinding& binding) {
        ++g_resolutions;
        entry("Calc", binding.Calc);
    };
    const AbsentBinding& first = BindOnce<AbsentBinding>(u"TarvelNoSuchLibrary", resolve);
    const AbsentBinding& second = BindOnce<AbsentBinding>(u"TarvelNoSuchLibrary", resolve);
    EXPECT_EQ(&first, &second);
    EXPECT_FALSE(first.loaded);
    EXPECT_EQ(g_resolutions, 0) << "nothing to look up in a library that is not there";
    try {
        RequireEntry(first.Calc, u"TarvelNoSuchLibrary");
        ADD_FAILURE() << "a missing entry was handed out";
    } catch (const DataBase::SqlException&) {
        ADD_FAILURE() << "a missing library reported as a database failure";
    } catch (const CalculationLibraryMissing& raised) {
        EXPECT_STREQ(raised.what(), "the calculation library TarvelNoSuchLibrary is missing or incomplete");
    }
}

TEST(LibraryBinding, ALibraryWithoutOneEntryIsNotLoadedAndKeepsTheEntriesFound) {
    g_resolutions = 0;
    auto resolve = [](EntryResolver& entry, PartialBinding& binding) {
        ++g_resolutions;
        entry("Calc3136921", binding.Calc3136921);
        entry("NoSuchEntry", binding.Missing);
    };
    const PartialBinding& binding = BindOnce<PartialBinding>(kGost6976Library, resolve);
    BindOnce<PartialBinding>(kGost6976Library, resolve);
    EXPECT_EQ(g_resolutions, 1);
    EXPECT_FALSE(binding.loaded);
    EXPECT_NE(binding.Calc3136921, nullptr);
    EXPECT_EQ(binding.Missing, nullptr);
}

TEST(LibraryBinding, TheThreeLibrariesAreBoundBesideTheProgram) {
    EXPECT_TRUE(Gost31371().loaded);
    EXPECT_TRUE(Gost6976().loaded);
    EXPECT_TRUE(Gost34704().loaded);
    EXPECT_EQ(&Gost31371(), &Gost31371());
    EXPECT_NE(Gost31371().Normalize, nullptr);
    EXPECT_NE(reinterpret_cast<void*>(Gost31371().Normalize), reinterpret_cast<void*>(Gost34704().Normalize))
        << "each library's own Normalize";
}

} // namespace
