// The modal dialogs of the input pages: the five view-settings dialogs of the settings page, the
// reference-mixture entry of the mixtures page (200) and the constant component of the constants page
// (202). Each edits what it is given and returns 1 when its changes were kept.
#pragma once

#include <windows.h>

struct CalcContext;
struct ComponentMixtures;
struct MixtureComponent;

// templateId: one of IDD_VIEW_CALCULATION, IDD_VIEW_ASSAYS, IDD_VIEW_CALIBRATION, IDD_VIEW_COMPONENTS,
// IDD_VIEW_METHANE. OK stores the view settings of the context; Cancel stores nothing.
INT_PTR OpenViewSettingsDialog(HWND owner, int templateId, CalcContext& context);

INT_PTR OpenMixtureEntryDialog(HWND owner, const CalcContext& context, ComponentMixtures& entry);

INT_PTR OpenConstantEntryDialog(HWND owner, const CalcContext& context, MixtureComponent& constant);
