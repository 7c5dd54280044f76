// The stability dialog: the charted components with their status on the left (up and down change the
// component), the selected component's chart on the right, drawn with GDI from the same layout as the
// report's and tarvel's charts: the points in time order, the centre line, the warning and action
// limits, the current calibration ringed, the dates below, the value and date of the point under the
// mouse. A line below the chart gives the component's figures.
#include "ui/win32/StabilityDialog.h"

// commctrl.h needs the types of windows.h.
#include <commctrl.h>
#include <windowsx.h>

#include <string>
#include <vector>

#include "ResourceIds.h"
#include "calc/CalcContext.h"
#include "results/StabilityChart.h"
#include "results/StabilityTable.h"
#include "text/Format.h"
#include "text/StringIds.gen.h"
#include "text/StringTable.h"
#include "ui/models/StabilityPageModel.h"
#include "ui/win32/ListViews.h"
#include "ui/win32/PluginModule.h"
#include "ui/win32/ProcedureGuard.h"
#include "ui/win32/WindowState.h"

namespace {

constexpr wchar_t kChartClass[] = L"" TARVEL_STABILITY_CHART_CLASS;
constexpr int kMargin = 8;      // pixels between the controls and the dialog's edges
constexpr int kListWidth = 340; // pixels: the component and its status
constexpr int kNoteHeight = 58; // four lines of the figures
constexpr int kButtonWidth = 90;
constexpr int kButtonHeight = 24;
constexpr int kMinimumWidth = 720;
constexpr int kMinimumHeight = 360;
constexpr COLORREF kCentreColour = RGB(0x2e, 0x7d, 0x32);
constexpr COLORREF kWarningColour = RGB(0xef, 0x6c, 0x00);
constexpr COLORREF kActionColour = RGB(0xc6, 0x28, 0x28);
constexpr COLORREF kPointColour = RGB(0x15, 0x65, 0xc0);
constexpr COLORREF kLineColour = RGB(0x90, 0xa4, 0xae);
constexpr COLORREF kFrameColour = RGB(0x80, 0x80, 0x80);
constexpr COLORREF kTextColour = RGB(0x37, 0x41, 0x51);
constexpr int kPointRadius = 3;
constexpr int kCurrentRadius = 6;

struct StabilityDialogState {
    const CalcContext* context = nullptr;
    PageTable table;
    int selected = -1; // row of the list, and index into context->stability.components
    int hover = -1;    // point under the mouse, -1: none
    bool tracking = false;
};

StabilityDialogState* StateOf(HWND window) {
    return WindowState<StabilityDialogState>(window);
}

const ComponentStability* Selected(const StabilityDialogState& state) {
    const auto& components = state.context->stability.components;
    if (state.selected < 0 || static_cast<size_t>(state.selected) >= components.size()) {
        return nullptr;
    }
    return &components[static_cast<size_t>(state.selected)];
}

// The chart in a client area of this size.
ChartFrame FrameOf(const RECT& client) {
    ChartFrame frame;
    frame.width = client.right - client.left;
    frame.height = client.bottom - client.top;
    frame.left = 78.0;
    frame.right = 14.0;
    frame.top = 26.0;
    frame.bottom = 26.0;
    return frame;
}

// GDI objects owned for the length of a paint.
class GdiObject {
public:
    explicit GdiObject(HGDIOBJ object) : object_(object) {}
    ~GdiObject() {
        if (object_ != nullptr) {
            DeleteObject(object_);
        }
    }
    GdiObject(const GdiObject&) = delete;
    GdiObject& operator=(const GdiObject&) = delete;
    HGDIOBJ get() const { return object_; }

private:
    HGDIOBJ object_;
};

class Selection {
public:
    Selection(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    ~Selection() { SelectObject(dc_, previous_); }
    Selection(const Selection&) = delete;
    Selection& operator=(const Selection&) = delete;

private:
    HDC dc_;
    HGDIOBJ previous_;
};

int Pixel(double value) {
    return static_cast<int>(value + (value < 0 ? -0.5 : 0.5));
}

void DrawText16(HDC dc, int x, int y, const std::u16string& text, UINT align) {
    SetTextAlign(dc, align);
    TextOutW(dc, x, y, Wide(text), static_cast<int>(text.size()));
}

COLORREF ZoneColour(int32_t zone) {
    return zone == 0 ? kPointColour : (zone == 1 || zone == -1) ? kWarningColour : kActionColour;
}

void PaintChart(HDC dc, const RECT& client, const StabilityDialogState& state) {
    FillRect(dc, &client, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    SetBkMode(dc, TRANSPARENT);
    const Selection font(dc, GetStockObject(DEFAULT_GUI_FONT));
    const ComponentStability* component = Selected(state);
    if (component == nullptr || component->points.empty()) {
        return;
    }
    const StabilityChart chart = LayoutStabilityChart(*component, FrameOf(client));
    const ChartFrame& frame = chart.frame;
    {
        const GdiObject pen(CreatePen(PS_SOLID, 1, kFrameColour));
        const Selection usePen(dc, pen.get());
        const Selection noBrush(dc, GetStockObject(NULL_BRUSH));
        Rectangle(dc, Pixel(frame.plotLeft()), Pixel(frame.plotTop()), Pixel(frame.plotRight()) + 1,
                  Pixel(frame.plotBottom()) + 1);
    }
    for (const ChartRule& rule : chart.rules) {
        const COLORREF colour = rule.kind == ChartRuleKind::Centre    ? kCentreColour
                                : rule.kind == ChartRuleKind::Warning ? kWarningColour
                                                                      : kActionColour;
        const GdiObject pen(CreatePen(rule.kind == ChartRuleKind::Centre ? PS_SOLID : PS_DASH, 1, colour));
        const Selection usePen(dc, pen.get());
        MoveToEx(dc, Pixel(frame.plotLeft()), Pixel(rule.y), nullptr);
        LineTo(dc, Pixel(frame.plotRight()), Pixel(rule.y));
    }
    SetTextColor(dc, kTextColour);
    for (const ChartTick& tick : chart.valueTicks) {
        DrawText16(dc, Pixel(frame.plotLeft()) - 4, Pixel(tick.position) - 7, tick.label, TA_RIGHT | TA_TOP);
    }
    for (const ChartTick& tick : chart.dateTicks) {
        DrawText16(dc, Pixel(tick.position), Pixel(frame.plotBottom()) + 4, tick.label, TA_CENTER | TA_TOP);
    }
    {
        const GdiObject pen(CreatePen(PS_SOLID, 1, kLineColour));
        const Selection usePen(dc, pen.get());
        std::vector<POINT> line;
        for (const ChartMark& point : chart.points) {
            line.push_back(POINT{Pixel(point.x), Pixel(point.y)});
        }
        Polyline(dc, line.data(), static_cast<int>(line.size()));
    }
    for (const ChartMark& point : chart.points) {
        const GdiObject brush(CreateSolidBrush(ZoneColour(point.zone)));
        const Selection useBrush(dc, brush.get());
        const Selection usePen(dc, GetStockObject(NULL_PEN));
        const int x = Pixel(point.x);
        const int y = Pixel(point.y);
        Ellipse(dc, x - kPointRadius, y - kPointRadius, x + kPointRadius + 1, y + kPointRadius + 1);
        if (point.current) {
            const GdiObject pen(CreatePen(PS_SOLID, 2, RGB(0, 0, 0)));
            const Selection ring(dc, pen.get());
            const Selection noBrush(dc, GetStockObject(NULL_BRUSH));
            Ellipse(dc, x - kCurrentRadius, y - kCurrentRadius, x + kCurrentRadius + 1,
                    y + kCurrentRadius + 1);
        }
    }
    // The point under the mouse: its date and value above the plot, and a cross-hair.
    if (state.hover >= 0 && static_cast<size_t>(state.hover) < chart.points.size()) {
        const ChartMark& point = chart.points[static_cast<size_t>(state.hover)];
        const GdiObject pen(CreatePen(PS_DOT, 1, kFrameColour));
        const Selection usePen(dc, pen.get());
        MoveToEx(dc, Pixel(point.x), Pixel(frame.plotTop()), nullptr);
        LineTo(dc, Pixel(point.x), Pixel(frame.plotBottom()));
        SetTextColor(dc, RGB(0, 0, 0));
        DrawText16(dc, Pixel(frame.plotLeft()), 6,
                   FormatText(LoadText(StringId::StabilityPointText), {point.date, point.value}),
                   TA_LEFT | TA_TOP);
    }
}

LRESULT CALLBACK ChartProcedure(HWND chart, UINT message, WPARAM wParam, LPARAM lParam) {
    return GuardedProcedure(chart, "StabilityChart", LRESULT{0}, [&]() -> LRESULT {
        StabilityDialogState* state = StateOf(chart);
        switch (message) {
        case WM_PAINT: {
            PAINTSTRUCT paint;
            HDC dc = BeginPaint(chart, &paint);
            RECT client;
            GetClientRect(chart, &client);
            // Drawn off screen, then copied: no flicker while the mouse moves.
            HDC memory = CreateCompatibleDC(dc);
            const GdiObject bitmap(CreateCompatibleBitmap(dc, client.right, client.bottom));
            {
                const Selection useBitmap(memory, bitmap.get());
                if (state != nullptr) {
                    PaintChart(memory, client, *state);
                }
                BitBlt(dc, 0, 0, client.right, client.bottom, memory, 0, 0, SRCCOPY);
            }
            DeleteDC(memory);
            EndPaint(chart, &paint);
            return 0;
        }
        case WM_ERASEBKGND:
            return 1;
        case WM_MOUSEMOVE: {
            if (state == nullptr) {
                return 0;
            }
            if (!state->tracking) {
                TRACKMOUSEEVENT track{sizeof(TRACKMOUSEEVENT), TME_LEAVE, chart, 0};
                state->tracking = TrackMouseEvent(&track) != FALSE;
            }
            int hover = -1;
            if (const ComponentStability* component = Selected(*state)) {
                RECT client;
                GetClientRect(chart, &client);
                const StabilityChart layout = LayoutStabilityChart(*component, FrameOf(client));
                hover = NearestChartPoint(layout, GET_X_LPARAM(lParam));
            }
            if (hover != state->hover) {
                state->hover = hover;
                InvalidateRect(chart, nullptr, FALSE);
            }
            return 0;
        }
        case WM_MOUSELEAVE:
            if (state != nullptr) {
                state->tracking = false;
                state->hover = -1;
                InvalidateRect(chart, nullptr, FALSE);
            }
            return 0;
        default:
            return DefWindowProcW(chart, message, wParam, lParam);
        }
    });
}

void RegisterChartClass() {
    WNDCLASSEXW windowClass{};
    if (GetClassInfoExW(PluginModule(), kChartClass, &windowClass)) {
        return;
    }
    windowClass.cbSize = sizeof(windowClass);
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = &ChartProcedure;
    windowClass.hInstance = PluginModule();
    windowClass.hCursor = LoadCursorW(nullptr, IDC_CROSS);
    windowClass.lpszClassName = kChartClass;
    RegisterClassExW(&windowClass);
}

void ShowFigures(HWND dialog, const StabilityDialogState& state) {
    std::u16string text;
    if (Selected(state) != nullptr) {
        const bool line = StabilityOfLine(state.context->stability);
        text = std::u16string(
            LoadText(line ? StringId::StabilityQuantityResponse : StringId::StabilityQuantityFactor));
        text += u"\r\n";
        const auto& row = state.table.rows[static_cast<size_t>(state.selected)];
        for (size_t column = 1; column < state.table.columns.size(); ++column) {
            text += state.table.columns[column].header + u": " + row[column] +
                    (column + 1 < row.size() ? u"; " : u"");
        }
    }
    SetDlgItemTextW(dialog, IDC_STABILITY_NOTE, Wide(text));
}

void Select(HWND dialog, StabilityDialogState& state, int row) {
    state.selected = row;
    state.hover = -1;
    ShowFigures(dialog, state);
    InvalidateRect(GetDlgItem(dialog, IDC_STABILITY_CHART), nullptr, FALSE);
}

void LayOut(HWND dialog) {
    RECT client;
    GetClientRect(dialog, &client);
    const int width = client.right;
    const int height = client.bottom;
    const int chartLeft = kMargin + kListWidth + kMargin;
    const int chartWidth = width - chartLeft - kMargin;
    const int chartHeight = height - 3 * kMargin - kNoteHeight;
    HDWP positions = BeginDeferWindowPos(4);
    const auto place = [&](int id, int x, int y, int w, int h) {
        if (positions != nullptr) {
            positions = DeferWindowPos(positions, GetDlgItem(dialog, id), nullptr, x, y, w > 0 ? w : 0,
                                       h > 0 ? h : 0, SWP_NOZORDER | SWP_NOACTIVATE);
        }
    };
    place(IDC_STABILITY_LIST, kMargin, kMargin, kListWidth, height - 2 * kMargin);
    place(IDC_STABILITY_CHART, chartLeft, kMargin, chartWidth, chartHeight);
    place(IDC_STABILITY_NOTE, chartLeft, height - kMargin - kNoteHeight, chartWidth - kButtonWidth - kMargin,
          kNoteHeight);
    place(IDCANCEL, width - kMargin - kButtonWidth, height - kMargin - kButtonHeight, kButtonWidth,
          kButtonHeight);
    if (positions != nullptr) {
        EndDeferWindowPos(positions);
    }
}

void Initialize(HWND dialog, StabilityDialogState& state) {
    AttachWindowState(dialog, &state);
    AttachWindowState(GetDlgItem(dialog, IDC_STABILITY_CHART), &state);
    SetWindowTextW(dialog, Wide(std::u16string(LoadText(StringId::StabilityTitle))));
    SetDlgItemTextW(dialog, IDCANCEL, Wide(std::u16string(LoadText(StringId::StabilityClose))));
    // The list shows the component and its status; the figures of the selected one go below the chart.
    PageTable shown = state.table;
    for (size_t column = 0; column < shown.columns.size(); ++column) {
        const bool kept = column == static_cast<size_t>(StabilityColumn::Component) ||
                          column == static_cast<size_t>(StabilityColumn::Status);
        if (!kept) {
            shown.columns[column].widthPixels = 0;
        }
    }
    HWND list = GetDlgItem(dialog, IDC_STABILITY_LIST);
    SetListStyles(list);
    AddColumns(list, shown);
    FillRows(list, shown, false);
    ListViewSubclass(list);
    LayOut(dialog);
    if (!state.table.rows.empty()) {
        ListView_SetItemState(list, 0, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
        Select(dialog, state, 0);
    } else {
        SetDlgItemTextW(dialog, IDC_STABILITY_NOTE,
                        Wide(std::u16string(LoadText(StringId::StabilityNotRead))));
    }
    SetFocus(list);
}

// The list's rows in the colour of their status.
LRESULT PaintStatusColours(const StabilityDialogState& state, NMLVCUSTOMDRAW& draw) {
    if (draw.nmcd.dwDrawStage == CDDS_PREPAINT) {
        return CDRF_NOTIFYITEMDRAW;
    }
    if (draw.nmcd.dwDrawStage == CDDS_ITEMPREPAINT) {
        const size_t row = draw.nmcd.dwItemSpec;
        if (row < state.table.rowMarks.size()) {
            const auto status = static_cast<ChartStatus>(state.table.rowMarks[row]);
            draw.clrText = status == ChartStatus::Action      ? kActionColour
                           : status == ChartStatus::Warning   ? kWarningColour
                           : status == ChartStatus::InControl ? kCentreColour
                                                              : kFrameColour;
        }
        return CDRF_DODEFAULT;
    }
    return CDRF_DODEFAULT;
}

INT_PTR CALLBACK StabilityDialogProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    return GuardedProcedure(dialog, "StabilityDialog", INT_PTR{FALSE}, [&]() -> INT_PTR {
        StabilityDialogState* state = StateOf(dialog);
        switch (message) {
        case WM_INITDIALOG:
            Initialize(dialog, *reinterpret_cast<StabilityDialogState*>(lParam));
            return FALSE; // the focus is on the list
        case WM_SIZE:
            LayOut(dialog);
            return TRUE;
        case WM_GETMINMAXINFO: {
            auto& limits = *reinterpret_cast<MINMAXINFO*>(lParam);
            limits.ptMinTrackSize.x = kMinimumWidth;
            limits.ptMinTrackSize.y = kMinimumHeight;
            return TRUE;
        }
        case WM_NOTIFY: {
            const auto& header = *reinterpret_cast<NMHDR*>(lParam);
            if (state == nullptr || header.idFrom != IDC_STABILITY_LIST) {
                return FALSE;
            }
            if (header.code == NM_CUSTOMDRAW) {
                SetWindowLongPtrW(dialog, DWLP_MSGRESULT,
                                  PaintStatusColours(*state, *reinterpret_cast<NMLVCUSTOMDRAW*>(lParam)));
                return TRUE;
            }
            if (header.code == LVN_ITEMCHANGED) {
                const auto& change = *reinterpret_cast<NMLISTVIEW*>(lParam);
                if ((change.uNewState & LVIS_SELECTED) != 0 && (change.uOldState & LVIS_SELECTED) == 0) {
                    Select(dialog, *state, change.iItem);
                }
            }
            return FALSE;
        }
        case WM_COMMAND:
            if (LOWORD(wParam) == IDCANCEL || LOWORD(wParam) == IDOK) {
                EndDialog(dialog, LOWORD(wParam));
                return TRUE;
            }
            return FALSE;
        default:
            return FALSE;
        }
    });
}

} // namespace

void ShowStabilityDialog(HWND owner, const CalcContext& context) {
    RegisterChartClass();
    StabilityDialogState state;
    state.context = &context;
    state.table = BuildStabilityPage(context);
    DialogBoxParamW(PluginModule(), MAKEINTRESOURCEW(IDD_STABILITY), owner, &StabilityDialogProcedure,
                    reinterpret_cast<LPARAM>(&state));
}
