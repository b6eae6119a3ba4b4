#include "app/shell.h"

#include "model/file_io.h"

Shell::Shell(WindowSystem& windowSystem, Settings& settingsRecord)
    : system(windowSystem), settings(settingsRecord), report(QueryFileSize) {}

ViewContext Shell::View() {
    return ViewContext{system, settings, report, document.image, document.path};
}
