#include "app/settings_command.h"

#include "resources/texts.h"

void OnEditDeleteSettings(Shell& shell) {
    WindowSystem& system = shell.system;
    if (system.ShowMessage(system.MainWindowOwner(), kDeleteSettingsPrompt, kProductName, MessageStyle::kConfirm) !=
        Answer::kYes) {
        return;
    }
    system.DeleteStoredSettings();
    shell.settingsDeleted = 1;
}
