// One test of the window: a copy of the demo profile in a scratch folder, the test host with the plug-in
// loaded, and the results the window must show, computed in the test's own process from the same
// profile and database.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "UiDriver.h"
#include "calc/CalcContext.h"

namespace ui {

// The context after a whole run on the profile and database, as the window makes it: the chromatograms
// refreshed as page 0 refreshes them, then the calculation.
CalcContext CalculateLikeTheWindow(const std::u16string& profilePath, const std::u16string& databasePath);

// The dots per inch the screen shows a window at.
int ScreenDpi(HWND window);

// Hidden columns (width 0 in the model) stay at 0; every shown one holds its widest text, header and
// cells, in the list's font with the list's margins; the last shown one reaches the list's right edge.
void ExpectColumnsFit(HWND list, const std::vector<int>& modelWidths);

class WindowTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    // Opens the window from the menu; boxes shown while it opened are in openingBoxes.
    HWND Open();
    // Starts the test host again on another database (before Open).
    void UseDatabase(const std::u16string& databasePath);
    std::u16string Screenshot(HWND window, const std::string& name);

    std::u16string folder;
    std::u16string profile;
    std::u16string database;
    std::unique_ptr<HostedPlugin> hosted;
    std::vector<CaughtBox> openingBoxes;
};

} // namespace ui
