// Commands whose code the program does not have yet. Their controls are in
// place and run these; none of them pretends to have done anything.
#include "app/TfrmMain.h"

void TfrmMain::cmdSaveClick() {}
void TfrmMain::cmdPrintClick() {}
void TfrmMain::cmdGetLastErrorManualClick() {}
void TfrmMain::cmdCallClick() {}
