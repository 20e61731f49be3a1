#pragma once

#include "store/Shell.h"
#include "ui/ShowModal.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

class QDialog;
class QWidget;

// Records every request to the desktop's opener instead of making it.
class ShellRecorder {
public:
    struct Request {
        QWidget *owner;
        QString operation;
        QString file;
        int showCommand;
    };
    ShellRecorder()
    {
        SetShellHandler([this](QWidget *owner, const QString &operation, const QString &file, int showCommand) {
            requests << Request{owner, operation, file, showCommand};
        });
    }
    ~ShellRecorder() { SetShellHandler({}); }
    ShellRecorder(const ShellRecorder &) = delete;
    ShellRecorder &operator=(const ShellRecorder &) = delete;

    QStringList Files() const
    {
        QStringList files;
        for (const Request &request : requests)
            files << request.file;
        return files;
    }

    QList<Request> requests;
};

// Stands in for the modal loop while it lives: the script plays the person at the dialog
// and returns the modal result.
class ModalScript {
public:
    explicit ModalScript(std::function<int(QDialog *)> script) { SetModalHandler(std::move(script)); }
    ~ModalScript() { SetModalHandler({}); }
    ModalScript(const ModalScript &) = delete;
    ModalScript &operator=(const ModalScript &) = delete;
};
