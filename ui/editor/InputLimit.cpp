#include "ui/editor/InputLimit.h"

#include "ui/ContactFields.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextCursor>

namespace {

const char *const LimitProperty = "InputLimit";
// What the memo may hold now: its limit, or the longer value it was loaded with.
const char *const HoldProperty = "InputHold";

// The stored length: each line break of a several-line field is kept as two characters.
int storedLength(const QPlainTextEdit *memo)
{
    return memo->document()->characterCount() - 1 + memo->document()->blockCount() - 1;
}

// Cuts what was just typed or pasted so that the memo stays within what it may hold.
class MemoLimit : public QObject {
public:
    explicit MemoLimit(QPlainTextEdit *memo)
        : QObject(memo)
        , m_memo(memo)
    {
        connect(memo->document(), &QTextDocument::contentsChange, this, &MemoLimit::changed);
    }

private:
    void changed(int position, int removed, int added)
    {
        const int excess = storedLength(m_memo) - m_memo->property(HoldProperty).toInt();
        if (excess <= 0 || added <= removed)
            return;
        QTextCursor cursor(m_memo->document());
        const int end = position + added;
        cursor.setPosition(end - qMin(excess, added - removed));
        cursor.setPosition(end, QTextCursor::KeepAnchor);
        cursor.removeSelectedText();
    }

    QPlainTextEdit *m_memo;
};

} // namespace

void SetInputLimit(QWidget *field, int limit)
{
    field->setProperty(LimitProperty, limit);
    if (auto *edit = qobject_cast<QLineEdit *>(field)) {
        edit->setMaxLength(limit);
        return;
    }
    field->setProperty(HoldProperty, limit);
    new MemoLimit(static_cast<QPlainTextEdit *>(field));
}

void LoadLimitedField(QWidget *field, const QString &text)
{
    const int hold = qMax(field->property(LimitProperty).toInt(), int(text.size()));
    if (auto *edit = qobject_cast<QLineEdit *>(field))
        edit->setMaxLength(hold);
    else
        field->setProperty(HoldProperty, hold);
    SetFieldText(field, text);
}
