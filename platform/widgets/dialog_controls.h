#pragma once
// The controls of a dialog template, built as widgets into the dialog's window.
#include "platform/dialog_template.h"
#include "platform/types.h"

#include <QString>

#include <string>

class CWnd;
class QAbstractButton;
class QWidget;
struct DialogUnits;

// Property on every control widget: its template id.
constexpr const char* kControlIdProperty = "brewdialControlId";

// Text as a label shows it: "&&" is one ampersand, a single "&" marks a mnemonic.
QString WithoutMnemonic(const std::string& text);
// Checks or clears a check box or radio button for the program: no click is reported.
void SetCheckedByProgram(QAbstractButton* button, bool checked);

// Builds a template's controls into a dialog's window.
void BuildControls(const DialogTemplate& tmpl, QWidget* window, const DialogUnits& units, CWnd& owner);
