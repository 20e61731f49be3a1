#pragma once

#include "store/Uni_DM.h"
#include "tests/Fixtures.h"
#include "ui/main/CodeListBox.h"
#include "ui/main/StatusBar.h"
#include "ui/main/Uni_Main.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

// The real main window, offscreen, on a temporary contacts.dat; message boxes recorded.
class MainWindowFixture : public ::testing::Test {
protected:
    void Open() { window = std::make_unique<Tfrm_Main>(folder.Folder()); }
    void OpenShown()
    {
        Open();
        window->show();
        QApplication::setActiveWindow(window.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }
    template <typename T = QWidget>
    T *Find(const char *name) const
    {
        T *found = window->findChild<T *>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    TCodeListBox *List() const { return Find<TCodeListBox>("lstContact"); }
    QString Panel(int index) const { return Find<StatusBar>("sbMain")->PanelText(index); }
    QString Field(const char *name) const { return Find<QLineEdit>(name)->text(); }
    QStringList ListedNames() const
    {
        QStringList names;
        for (int i = 0; i < List()->count(); ++i)
            names << List()->ItemText(i);
        return names;
    }

    BoxRecorder boxes;
    ContactsFolder folder;
    TDM_Main module;
    std::unique_ptr<Tfrm_Main> window;
};
