// The rules that turn every shown or exported number into text: rounding by the uncertainty (molar
// fractions, physical properties), fixed decimals, certified values, and the missing-value dash.
#pragma once

#include "calc/rounding/FixedFormats.h"
#include "calc/rounding/MissingValue.h"
#include "calc/rounding/ResultRounding.h"
#include "calc/rounding/UncertaintyRounding.h"
#include "data/ZeroTolerance.h"
