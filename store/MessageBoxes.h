#pragma once

#include <QString>
#include <functional>

// Every box the program shows passes through here, so that a test can read the text and
// give the answer a person would.
enum class BoxKind { Info, Error, Question, ErrorReport };

// Answers as the platform numbers them; callers compare against these.
constexpr int IDOK = 1;
constexpr int IDYES = 6;
constexpr int IDNO = 7;

using MessageBoxHandler = std::function<int(BoxKind, const QString &caption, const QString &text)>;

// An empty handler restores the real boxes.
void SetMessageBoxHandler(MessageBoxHandler handler);
int ShowMessageBox(BoxKind kind, const QString &caption, const QString &text);
