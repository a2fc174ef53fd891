#pragma once

// "Startbild" as the options dialog and the start screen show it: ticked unless the value
// is a whole number equal to 0. A missing value and text that is no number count as ticked,
// so a damaged setting never hides the start screen or stops a dialog.
bool StartScreenSetting();
void WriteStartScreenSetting(bool show);
