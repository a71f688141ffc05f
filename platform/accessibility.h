#pragma once
// Every control reachable and named: accessible names and descriptions from the captions and
// hints of the current language, Tab in reading order, and the clickable pictures opened with
// the keyboard as with the mouse.
class QWidget;

namespace noyalis::platform {

// Walks the screen's controls: names each from its caption, the chart, strip or group it lies on
// (numbered when several share it), the label beside or above it, or its hint; describes it
// by its hint (or its group's); makes every picture that has a name a keyboard control (Tab or the
// arrow keys to reach it, Enter or Space to click it, a focus frame when it has the focus); and
// chains Tab through the controls top to bottom, left to right (Tab leaves a table at once; its
// cells are walked with the arrow keys). Runs again after each text table,
// so that the names follow the language.
void MakeAccessible(QWidget* screen);

// True for a widget that MakeAccessible counts as a control (it takes the focus with Tab).
bool IsControl(const QWidget* widget);

}  // namespace noyalis::platform
