#pragma once

#include <functional>

class QDialog;

// Shows a dialog modally and returns its modal result. A test replaces the handler to fill
// the dialog and press its buttons as a person would; an empty handler restores exec().
int ShowModal(QDialog *dialog);
void SetModalHandler(std::function<int(QDialog *)> handler);
