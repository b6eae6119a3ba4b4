#include "app/view_commands.h"

#include "app/document_commands.h"
#include "resources/menu_positions.h"
#include "resources/resource.h"

namespace {

constexpr unsigned kTabKey = 9;

void SetViewItem(Shell& shell, int item, int enabled) {
    shell.system.EnableMenuItem(kMenuView, item, enabled);
}

void CheckSubmenu(Shell& shell, int submenu, int checked) {
    shell.system.CheckMenuRadio(kMenuView, submenu, 0, 1, checked);
}

}  // namespace

void OnViewHeader(Shell& shell) {
    shell.system.ShowReport();
    shell.system.EnableMenuItem(kMenuEdit, kEditSelectAll, 1);
    shell.system.CheckMenuRadio(kMenuView, -1, kViewHeader, kViewImage, kViewHeader);
    SetViewItem(shell, kViewTextSubmenu, 1);
    SetViewItem(shell, kViewImageSubmenu, 0);
    SetViewItem(shell, kViewBackgroundSubmenu, 0);
    SetViewItem(shell, kViewRedraw, 0);
    SetViewItem(shell, kViewNotationSubmenu, shell.settings.TextOption != 0);
    shell.settings.ViewData = 0;
    RefreshReport(shell);
}

void OnViewImage(Shell& shell) {
    shell.system.HideReport();
    shell.system.EnableMenuItem(kMenuEdit, kEditSelectAll, 0);
    shell.system.CheckMenuRadio(kMenuView, -1, kViewHeader, kViewImage, kViewImage);
    SetViewItem(shell, kViewTextSubmenu, 0);
    SetViewItem(shell, kViewNotationSubmenu, 0);
    SetViewItem(shell, kViewImageSubmenu, 1);
    SetViewItem(shell, kViewRedraw, 1);
    SetViewItem(shell, kViewBackgroundSubmenu, shell.settings.ImageOption == 0);
    shell.settings.ViewData = 1;
    shell.system.Repaint();
}

void OnTextSummary(Shell& shell) {
    CheckSubmenu(shell, kViewTextSubmenu, kTextSummary);
    SetViewItem(shell, kViewNotationSubmenu, 0);
    shell.settings.TextOption = 0;
    RefreshReport(shell);
}

void OnTextMembers(Shell& shell) {
    CheckSubmenu(shell, kViewTextSubmenu, kTextMembers);
    SetViewItem(shell, kViewNotationSubmenu, 1);
    shell.settings.TextOption = 1;
    RefreshReport(shell);
}

void OnNotation(Shell& shell, uint32_t notation) {
    CheckSubmenu(shell, kViewNotationSubmenu, notation ? kNotationHex : kNotationDec);
    // The member list in force stays cached when the notation does not change.
    if (shell.settings.Notation != notation) {
        shell.settings.Notation = notation;
        shell.report.EmptyMemberList();
    }
    RefreshReport(shell);
}

void OnImageOption(Shell& shell, uint32_t option) {
    CheckSubmenu(shell, kViewImageSubmenu, option ? kImageFitWindow : kImageActualSize);
    SetViewItem(shell, kViewBackgroundSubmenu, option == 0);
    shell.settings.ImageOption = option;
    shell.system.Repaint();
}

void OnBackground(Shell& shell, uint32_t color) {
    CheckSubmenu(shell, kViewBackgroundSubmenu, color ? kBgWhite : kBgBlack);
    shell.settings.BgColor = color;
    shell.system.Repaint();
}

void OnViewRedraw(Shell& shell) {
    shell.system.Repaint();
}

void OnEditSelectAll(Shell& shell) {
    shell.system.SelectAllReport();
}

void OnKeyDown(Shell& shell, unsigned key) {
    if (key == kTabKey) {
        shell.system.PostCommand(shell.settings.ViewData != 0 ? ID_VIEW_HEADER : ID_VIEW_IMAGE);
    }
}
