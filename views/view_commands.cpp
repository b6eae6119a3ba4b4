#include "views/view_commands.h"

#include "model/bitmap_image.h"
#include "resources/menu_positions.h"
#include "resources/resource.h"
#include "views/window_fit.h"

namespace {

constexpr unsigned kTabKey = 9;

void SetViewItem(const ViewContext& view, int item, int enabled) {
    view.window.EnableMenuItem(kMenuView, item, enabled);
}

void CheckSubmenu(const ViewContext& view, int submenu, int checked) {
    view.window.CheckMenuRadio(kMenuView, submenu, 0, 1, checked);
}

// The menu states that go with each view: select all and the report form in the text view,
// notation there only with the member list; image display and redraw in the image view,
// background there only at actual size.
void EnterView(const ViewContext& view, int textView) {
    const DisplaySettings& s = view.settings;
    view.window.EnableMenuItem(kMenuEdit, kEditSelectAll, textView);
    view.window.CheckMenuRadio(kMenuView, -1, kViewHeader, kViewImage, textView ? kViewHeader : kViewImage);
    SetViewItem(view, kViewTextSubmenu, textView);
    SetViewItem(view, kViewNotationSubmenu, textView && s.TextOption != 0);
    SetViewItem(view, kViewImageSubmenu, !textView);
    SetViewItem(view, kViewBackgroundSubmenu, !textView && s.ImageOption == 0);
    SetViewItem(view, kViewRedraw, !textView);
    view.settings.ViewData = textView ? 0 : 1;
}

void OnViewHeader(const ViewContext& view) {
    view.window.ShowReport();
    EnterView(view, 1);
    RefreshReport(view);
}

void OnViewImage(const ViewContext& view) {
    view.window.HideReport();
    EnterView(view, 0);
    view.window.Repaint();
}

void OnTextOption(const ViewContext& view, uint32_t option) {
    CheckSubmenu(view, kViewTextSubmenu, option ? kTextMembers : kTextSummary);
    SetViewItem(view, kViewNotationSubmenu, option);
    view.settings.TextOption = option;
    RefreshReport(view);
}

void OnNotation(const ViewContext& view, uint32_t notation) {
    CheckSubmenu(view, kViewNotationSubmenu, notation ? kNotationHex : kNotationDec);
    // The member list in force stays cached when the notation does not change.
    if (view.settings.Notation != notation) {
        view.settings.Notation = notation;
        view.report.EmptyMemberList();
    }
    RefreshReport(view);
}

void OnImageOption(const ViewContext& view, uint32_t option) {
    CheckSubmenu(view, kViewImageSubmenu, option ? kImageFitWindow : kImageActualSize);
    SetViewItem(view, kViewBackgroundSubmenu, option == 0);
    view.settings.ImageOption = option;
    view.window.Repaint();
}

void OnBackground(const ViewContext& view, uint32_t color) {
    CheckSubmenu(view, kViewBackgroundSubmenu, color ? kBgWhite : kBgBlack);
    view.settings.BgColor = color;
    view.window.Repaint();
}

// What the window-fitting commands work from: the image's size and the window as it is now.
struct FitInputs {
    int32_t width = 0;
    int32_t height = 0;
    WindowRect outer;
    WindowRect client;
};

FitInputs Measure(const ViewContext& view) {
    FitInputs now;
    view.image->GetSize(&now.width, &now.height);
    view.window.GetWindowRect(now.outer);
    view.window.GetClientRect(now.client);
    return now;
}

// Two moves: the frame is measured again once the width has changed, since a menu bar that
// wraps differently changes its height.
void OnWindowFitImage(const ViewContext& view) {
    if (view.image == nullptr) {
        return;
    }
    FitInputs now = Measure(view);
    view.window.MoveWindow(WithClientWidth(now.outer, now.client, now.width));
    now = Measure(view);
    view.window.MoveWindow(WithClientHeight(now.outer, now.client, now.height));
    if (view.settings.ViewData == 0) {
        view.window.PostCommand(ID_VIEW_IMAGE);
    } else {
        view.window.Repaint();
    }
}

void OnWindowKeepAspect(const ViewContext& view) {
    if (view.image == nullptr) {
        return;
    }
    FitInputs now = Measure(view);
    view.window.MoveWindow(WithImageProportions(now.outer, now.client, now.width, now.height));
    if (view.settings.ViewData == 0) {
        view.window.PostCommand(ID_VIEW_IMAGE);
    }
    if (view.settings.ImageOption == 0) {
        view.window.PostCommand(ID_IMAGE_FIT_WINDOW);
    } else {
        view.window.Repaint();
    }
}

struct ViewCommandEntry {
    int command;
    void (*run)(const ViewContext& view);
};

constexpr ViewCommandEntry kViewCommands[] = {
    {ID_VIEW_HEADER, OnViewHeader},
    {ID_VIEW_IMAGE, OnViewImage},
    {ID_TEXT_SUMMARY, [](const ViewContext& view) { OnTextOption(view, 0); }},
    {ID_TEXT_MEMBERS, [](const ViewContext& view) { OnTextOption(view, 1); }},
    {ID_NOTATION_DEC, [](const ViewContext& view) { OnNotation(view, 0); }},
    {ID_NOTATION_HEX, [](const ViewContext& view) { OnNotation(view, 1); }},
    {ID_IMAGE_ACTUAL_SIZE, [](const ViewContext& view) { OnImageOption(view, 0); }},
    {ID_IMAGE_FIT_WINDOW, [](const ViewContext& view) { OnImageOption(view, 1); }},
    {ID_BG_BLACK, [](const ViewContext& view) { OnBackground(view, 0); }},
    {ID_BG_WHITE, [](const ViewContext& view) { OnBackground(view, 1); }},
    {ID_VIEW_REDRAW, [](const ViewContext& view) { view.window.Repaint(); }},
    {ID_WINDOW_FIT_IMAGE, OnWindowFitImage},
    {ID_WINDOW_KEEP_ASPECT, OnWindowKeepAspect},
    {ID_EDIT_SELECT_ALL, [](const ViewContext& view) { view.window.SelectAllReport(); }},
};

}  // namespace

int DispatchViewCommand(const ViewContext& view, int command) {
    for (const ViewCommandEntry& entry : kViewCommands) {
        if (entry.command == command) {
            entry.run(view);
            return 1;
        }
    }
    return 0;
}

void RefreshReport(const ViewContext& view) {
    const DisplaySettings& s = view.settings;
    const char* text = view.report.Refresh(view.image, view.path, ReportOptions{s.TextOption, s.Notation, s.ViewData});
    if (text != nullptr) {
        view.window.SetReportText(text);
    }
}

void OnKeyDown(const ViewContext& view, unsigned key) {
    if (key == kTabKey) {
        view.window.PostCommand(view.settings.ViewData != 0 ? ID_VIEW_HEADER : ID_VIEW_IMAGE);
    }
}
