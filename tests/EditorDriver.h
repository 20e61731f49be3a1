#pragma once

#include "ui/ShowModal.h"
#include "ui/editor/Uni_ContactInfo.h"

#include <QDialog>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <functional>

// Answers the next editor the program shows as a person would: the test's steps run on the
// shown editor, and the modal result is what the editor ended with.
class EditorDriver {
public:
    using Steps = std::function<void(Tfrm_ContactInfo *)>;
    EditorDriver()
    {
        SetModalHandler([this](QDialog *dialog) {
            auto *editor = qobject_cast<Tfrm_ContactInfo *>(dialog);
            shown = editor;
            editor->show();
            if (steps)
                steps(editor);
            return editor->isVisible() ? 0 : editor->result();
        });
    }
    ~EditorDriver() { SetModalHandler({}); }

    Steps steps;
    Tfrm_ContactInfo *shown = nullptr;
};

inline QLineEdit *EditorEdit(Tfrm_ContactInfo *editor, const char *name)
{
    return editor->findChild<QLineEdit *>(QString::fromLatin1(name));
}

inline QPlainTextEdit *EditorMemo(Tfrm_ContactInfo *editor, const char *name)
{
    return editor->findChild<QPlainTextEdit *>(QString::fromLatin1(name));
}

inline void Press(Tfrm_ContactInfo *editor, const char *button)
{
    QTest::mouseClick(editor->findChild<QPushButton *>(QString::fromLatin1(button)), Qt::LeftButton);
}
