#pragma once

#include <functional>

class QDialog;

// The modal results callers test for.
constexpr int mrOk = 1;
constexpr int mrCancel = 2;

// An empty handler restores the real modal loop. A test's handler fills the dialog and
// presses its buttons, then returns the dialog's result.
void SetModalHandler(std::function<int(QDialog *)> handler);

// Shows the dialog modally and returns its modal result once it has closed.
int ShowModal(QDialog *dialog);
