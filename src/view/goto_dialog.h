// Going to a byte offset: the modal goto dialog and the move it asks for.
#ifndef KORVEX_GOTO_DIALOG_H
#define KORVEX_GOTO_DIALOG_H

#include <windows.h>

// IDM_GOTO, from the menu or Ctrl+G in a dump column. Asks for a hex offset,
// starting from the caret's; a text that is no offset, or one at or past the
// end of the file, is reported and the dialog stays open. An accepted offset
// on the page shown moves nothing; any other becomes the top line through
// LoadPage. The hex column then gets the focus with the caret before the
// byte's first digit. Does nothing while no file is open.
void HandleGoto(HWND dialog);

#endif
