// Conditionally constant components (GOST 31371.7-2020): components whose molar fraction and expanded
// uncertainty the user gives instead of measuring them.
#pragma once

#include <vector>

#include "data/ComponentResult.h"
#include "data/MixtureComponent.h"

// For each constant in order: the measured rows of its identifier are removed and a fixed row with the
// given fraction (molarFraction, rawFraction) and uncertainty (uncertainty, rawUncertainty) is appended.
void AddConstantComponents(const std::vector<MixtureComponent>& constants,
                           std::vector<ComponentResult>& table);
