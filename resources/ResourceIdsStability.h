// Identifiers of the stability dialog of the calibration page and of the page's button that opens it.
#pragma once

#define IDD_STABILITY 230

#define IDC_STABILITY_LIST 1700
#define IDC_STABILITY_CHART 1701
#define IDC_STABILITY_NOTE 1702
#define IDC_CALIBRATION_STABILITY 1703

// The window class of the chart (registered by the dialog before its template is created).
#define TARVEL_STABILITY_CHART_CLASS "TarvelStabilityChart"
