#include "store/MessageBoxes.h"

#include <QApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QMessageBox>

namespace {

MessageBoxHandler &handler()
{
    static MessageBoxHandler current;
    return current;
}

// A question must be answered Yes or No: Escape and the close box are refused.
class AnswerRequired : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::KeyPress:
        case QEvent::ShortcutOverride:
            if (static_cast<QKeyEvent *>(event)->key() == Qt::Key_Escape) {
                event->accept();
                return true;
            }
            break;
        case QEvent::Close:
            event->ignore();
            return true;
        default:
            break;
        }
        return QObject::eventFilter(watched, event);
    }
};

QMessageBox::Icon iconFor(BoxKind kind)
{
    switch (kind) {
    case BoxKind::Info:
        return QMessageBox::Information;
    case BoxKind::Question:
        return QMessageBox::Question;
    case BoxKind::Error:
    case BoxKind::ErrorReport:
        break;
    }
    return QMessageBox::Critical;
}

int showRealBox(BoxKind kind, const QString &caption, const QString &text)
{
    const bool question = kind == BoxKind::Question;
    QMessageBox box(iconFor(kind), caption, text,
                    question ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok);
    box.setTextFormat(Qt::PlainText);
    box.setWindowModality(Qt::ApplicationModal);
    box.setWindowFlag(Qt::WindowStaysOnTopHint);
    AnswerRequired answerRequired;
    if (question)
        box.installEventFilter(&answerRequired);
    const int answer = box.exec();
    if (!question)
        return IDOK;
    return answer == QMessageBox::Yes ? IDYES : IDNO;
}

} // namespace

void SetMessageBoxHandler(MessageBoxHandler next)
{
    handler() = std::move(next);
}

int ShowMessageBox(BoxKind kind, const QString &caption, const QString &text)
{
    if (handler())
        return handler()(kind, caption, text);
    return showRealBox(kind, caption, text);
}
