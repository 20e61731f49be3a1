#include "store/Errors.h"
#include "store/MessageBoxes.h"
#include "tests/EditorDriver.h"
#include "tests/MainWindowFixture.h"

#include <QAction>
#include <QPointer>
#include <QToolButton>

namespace {

class ContactCommandsTest : public MainWindowFixture {
protected:
    void SetUp() override
    {
        folder.Insert({Contact(QStringLiteral("K-B"), QStringLiteral("Bea")), Contact(QStringLiteral("K-D"), QStringLiteral("Dan")),
                       Contact(QStringLiteral("K-F"), QStringLiteral("Fay"))});
        OpenShown();
    }
    void Pick(const QString &name)
    {
        auto *search = Find<QLineEdit>("edtSearch");
        search->clear();
        TypeInto(search, name);
    }
    static void TypeName(Tfrm_ContactInfo *editor, const QString &name)
    {
        QLineEdit *edit = EditorEdit(editor, "edtName");
        edit->clear();
        TypeInto(edit, name);
    }

    EditorDriver editor;
};

} // namespace

TEST_F(ContactCommandsTest, AddShowsTheNewContactAtItsSortedPlace)
{
    QString newKey;
    editor.steps = [&newKey](Tfrm_ContactInfo *shown) {
        TypeName(shown, QStringLiteral("Cy"));
        Press(shown, "btnOK");
        newKey = shown->ContactKey;
    };
    Find<QToolButton>("tbAdd")->click();
    EXPECT_EQ(ListedNames(), QStringList({"Bea", "Cy", "Dan", "Fay"}));
    EXPECT_EQ(List()->ItemIndex(), 1);
    EXPECT_EQ(Field("edtName"), QStringLiteral("Cy"));
    EXPECT_EQ(window->DisplayedContactKey(), newKey);
    EXPECT_EQ(Panel(1), QStringLiteral("Record 2"));
    EXPECT_EQ(Panel(2), QStringLiteral("4 Contacts"));
    EXPECT_EQ(frm_ContactInfo, nullptr) << "the editor is freed";
}

TEST_F(ContactCommandsTest, AddOnAnEmptyTableShowsTheOneContact)
{
    folder.Exec(QStringLiteral("delete from contacts"));
    editor.steps = [](Tfrm_ContactInfo *shown) {
        TypeName(shown, QStringLiteral("Solo"));
        Press(shown, "btnOK");
    };
    Find<QAction>("AddContact1")->trigger();
    EXPECT_EQ(ListedNames(), QStringList({"Solo"}));
    EXPECT_EQ(List()->ItemIndex(), 0);
    EXPECT_EQ(Panel(2), QStringLiteral("1 Contacts"));
}

TEST_F(ContactCommandsTest, EditMovesARenamedContactAndKeepsItSelected)
{
    Pick(QStringLiteral("Bea"));
    editor.steps = [this](Tfrm_ContactInfo *shown) {
        EXPECT_EQ(shown->ContactKey, QStringLiteral("K-B"));
        EXPECT_EQ(shown->windowTitle(), QStringLiteral("Edit a Contact"));
        EXPECT_TRUE(shown->windowFlags().testFlag(Qt::WindowStaysOnTopHint)) << "takes the main window's style";
        TypeName(shown, QStringLiteral("Zoe"));
        Press(shown, "btnOK");
    };
    Find<QToolButton>("ttbEdit")->click();
    EXPECT_EQ(ListedNames(), QStringList({"Dan", "Fay", "Zoe"}));
    EXPECT_EQ(List()->ItemIndex(), 2);
    EXPECT_EQ(window->DisplayedContactKey(), QStringLiteral("K-B"));
    EXPECT_EQ(Field("edtName"), QStringLiteral("Zoe"));
    EXPECT_EQ(Panel(1), QStringLiteral("Record 3"));
}

TEST_F(ContactCommandsTest, CancelReloadsNothing)
{
    Pick(QStringLiteral("Dan"));
    folder.Insert({Contact(QStringLiteral("K-A"), QStringLiteral("Abe"))}); // shows only after a reload
    editor.steps = [](Tfrm_ContactInfo *shown) {
        TypeName(shown, QStringLiteral("Changed"));
        Press(shown, "btnCancel");
    };
    for (const char *command : {"AddContact1", "DEditContact1"}) {
        Find<QAction>(command)->trigger();
        EXPECT_EQ(ListedNames(), QStringList({"Bea", "Dan", "Fay"})) << command;
        EXPECT_EQ(List()->ItemIndex(), 1) << command;
        EXPECT_EQ(Field("edtName"), QStringLiteral("Dan")) << command;
        EXPECT_EQ(frm_ContactInfo, nullptr);
    }
}

TEST_F(ContactCommandsTest, EditWithoutASelectionAsksForOne)
{
    Pick(QStringLiteral("nobody"));
    Find<QAction>("DEditContact1")->trigger();
    EXPECT_EQ(boxes.Texts(), QStringList({QStringLiteral("Please select a contact to edit.")}));
    EXPECT_EQ(editor.shown, nullptr);
}

TEST_F(ContactCommandsTest, EditAndDeleteOnAnEmptyListDoNothing)
{
    folder.Exec(QStringLiteral("delete from contacts"));
    Find<QAction>("SortbyName1")->trigger(); // reloads the now empty table
    Find<QAction>("DEditContact1")->trigger();
    Find<QAction>("DeleteContact1")->trigger();
    EXPECT_TRUE(boxes.boxes.isEmpty());
    EXPECT_EQ(editor.shown, nullptr);
}

TEST_F(ContactCommandsTest, DeleteAsksThenShowsTheFirstContact)
{
    Pick(QStringLiteral("Dan"));
    boxes.answers = {IDNO};
    Find<QToolButton>("tbDel")->click();
    EXPECT_EQ(boxes.Texts(), QStringList({QStringLiteral("Are you sure you want to delete Dan?")}));
    EXPECT_EQ(boxes.boxes.first().kind, BoxKind::Question);
    EXPECT_EQ(folder.Rows().size(), 3);
    EXPECT_EQ(ListedNames(), QStringList({"Bea", "Dan", "Fay"}));

    Find<QAction>("DeleteContact1")->trigger();
    EXPECT_EQ(ListedNames(), QStringList({"Bea", "Fay"}));
    EXPECT_EQ(List()->ItemIndex(), 0);
    EXPECT_EQ(Field("edtName"), QStringLiteral("Bea"));
    EXPECT_EQ(folder.Rows().size(), 2);
}

TEST_F(ContactCommandsTest, DeletingTheOnlyContactEmptiesEverything)
{
    folder.Exec(QStringLiteral("delete from contacts where pkcontact <> 'K-F'"));
    Find<QAction>("SortbyName1")->trigger();
    Pick(QStringLiteral("Fay"));
    Find<QAction>("DeleteContact1")->trigger();
    EXPECT_TRUE(ListedNames().isEmpty());
    EXPECT_EQ(Field("edtName"), QString());
    EXPECT_EQ(window->DisplayedContactKey(), QString());
    EXPECT_EQ(Panel(2), QStringLiteral("0 Contacts"));
}

TEST_F(ContactCommandsTest, AFailedDeleteIsReportedAndTheListStays)
{
    Pick(QStringLiteral("Dan"));
    folder.Exec(QStringLiteral("create trigger refuse before delete on contacts begin select raise(abort, 'kept by a trigger'); end"));
    Find<QAction>("DeleteContact1")->trigger();
    EXPECT_EQ(boxes.Texts().last(), QStringLiteral("kept by a trigger."));
    EXPECT_EQ(ListedNames(), QStringList({"Bea", "Dan", "Fay"}));
    EXPECT_EQ(List()->ItemIndex(), 1);
}

TEST_F(ContactCommandsTest, TheEditorIsFreedWhenAnErrorEscapes)
{
    QPointer<Tfrm_ContactInfo> shown;
    SetModalHandler([&](QDialog *dialog) -> int {
        shown = qobject_cast<Tfrm_ContactInfo *>(dialog);
        throw DatabaseError(QStringLiteral("disk gone"));
    });
    Find<QAction>("AddContact1")->trigger();
    EXPECT_EQ(boxes.Texts(), QStringList({QStringLiteral("disk gone.")}));
    EXPECT_EQ(frm_ContactInfo, nullptr);
    EXPECT_TRUE(shown.isNull()) << "the editor was deleted";
}
