#include "commands/help_boxes.h"

#include "commands/messages.h"
#include "platform/message_box.h"

void ShowVersionBox(Window owner) {
    ShowMessageBox(owner, kVersionText, kVersionCaption);
}

void ShowHelpBox(Window owner) {
    ShowMessageBox(owner, kHelpText, kHelpCaption);
}
