#include "ui/ShowModal.h"

#include <QDialog>

namespace {

std::function<int(QDialog *)> &handler()
{
    static std::function<int(QDialog *)> current;
    return current;
}

} // namespace

void SetModalHandler(std::function<int(QDialog *)> next)
{
    handler() = std::move(next);
}

int ShowModal(QDialog *dialog)
{
    if (handler())
        return handler()(dialog);
    return dialog->exec();
}
