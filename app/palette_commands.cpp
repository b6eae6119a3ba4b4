#include "app/palette_commands.h"

void OnViewEditColorTable(Shell& shell) {
    if (!shell.editor.Begin()) {
        return;
    }
    shell.system.RunColorTableEditor(shell.editor);
    shell.editor.End();
    if (shell.mainWindowDestroyed) {
        shell.system.PostQuit();
    }
}

void OnViewOptions(Shell& shell) {
    shell.system.ShowOptionsDialog(shell.settings.colorGrid);
    shell.editor.OnGridChanged();
}
