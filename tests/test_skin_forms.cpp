// The program's three forms with their skin: which controls it paints, how they follow the
// mouse, and what turning it off gives back.
#include "skin/ControlSubClass.h"
#include "skin/FlatSkin.h"
#include "tests/ControlSkinFixture.h"
#include "tests/MainWindowFixture.h"
#include "ui/Controls.h"
#include "ui/about/Uni_About.h"
#include "ui/editor/Uni_ContactInfo.h"

#include <QGroupBox>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QToolBar>

using namespace ControlColours;

namespace {

bool Attached(const QWidget *control)
{
    return TControlSubClass::Of(control) != nullptr;
}

template <typename T>
QList<T *> All(const QWidget *form)
{
    return form->findChildren<T *>();
}

class SkinnedFormsTest : public MainWindowFixture {
protected:
    PinnedPalette palette;
};

} // namespace

TEST_F(SkinnedFormsTest, TheEditorsFieldsBoxesAndButtonsArePaintedFlatAndFollowTheMouse)
{
    Tfrm_ContactInfo editor;
    editor.show();
    QApplication::processEvents();
    for (QLineEdit *edit : All<QLineEdit>(&editor)) {
        EXPECT_TRUE(Attached(edit)) << edit->objectName().toStdString();
        EXPECT_FALSE(edit->hasFrame()) << edit->objectName().toStdString();
    }
    for (QPlainTextEdit *memo : All<QPlainTextEdit>(&editor))
        EXPECT_EQ(memo->frameWidth(), 1) << memo->objectName().toStdString();
    for (QGroupBox *box : All<QGroupBox>(&editor))
        EXPECT_TRUE(Attached(box));
    for (TBitBtn *button : All<TBitBtn>(&editor))
        EXPECT_TRUE(Attached(button)) << button->objectName().toStdString();

    auto *name = editor.findChild<QLineEdit *>(QStringLiteral("edtMail2")); // a field without the focus
    auto *ok = editor.findChild<TBitBtn *>(QStringLiteral("btnOK"));
    auto *web = editor.findChild<TBitBtn *>(QStringLiteral("btnWeb"));
    EXPECT_EQ(ControlSkinTest::At(name, 0, 10), Rgb{FaceShadow});
    for (QWidget *control : {static_cast<QWidget *>(name), static_cast<QWidget *>(ok), static_cast<QWidget *>(web)})
        ControlSkinTest::Send(control, QEvent::Enter);
    EXPECT_EQ(ControlSkinTest::At(name, 0, 10), Rgb{SelectFrameLit}) << "the field under the mouse";
    EXPECT_EQ(ControlSkinTest::At(ok, 20, 23), Rgb{MoveRing}) << "the orange ring of a button under the mouse";
    EXPECT_EQ(ControlSkinTest::At(web, 19, 10), Rgb{RGB(255, 180, 51)}) << "the inner of its two rings";

    editor.findChild<TFlatSkin *>()->SetActive(false);
    for (QLineEdit *edit : All<QLineEdit>(&editor))
        EXPECT_TRUE(edit->hasFrame() && !Attached(edit)) << edit->objectName().toStdString();
    for (QPlainTextEdit *memo : All<QPlainTextEdit>(&editor))
        EXPECT_EQ(memo->frameStyle(), QFrame::StyledPanel | QFrame::Sunken);
    for (TBitBtn *button : All<TBitBtn>(&editor))
        EXPECT_FALSE(Attached(button));
}

TEST_F(SkinnedFormsTest, TheMainWindowPaintsItsFieldsBoxesPanelAndLinkButtonsButNotItsListToolBarOrStatusBar)
{
    OpenShown();
    auto *panel = Find<TPanel>("Panel1");
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(panel->BevelOuter(), bvNone);
    EXPECT_EQ(panel->BevelInner(), bvNone);
    EXPECT_TRUE(Attached(panel));
    for (QLineEdit *edit : All<QLineEdit>(window.get()))
        EXPECT_TRUE(Attached(edit)) << edit->objectName().toStdString();
    for (QGroupBox *box : All<QGroupBox>(window.get()))
        EXPECT_TRUE(Attached(box));
    for (TBitBtn *button : All<TBitBtn>(window.get()))
        EXPECT_TRUE(Attached(button)) << button->objectName().toStdString();
    EXPECT_FALSE(Attached(List()));
    EXPECT_FALSE(Attached(Find<QToolBar>("ToolBar1")));
    EXPECT_FALSE(Attached(Find<QWidget>("sbMain")));

    // The details' containers are disabled: their fields are not lit by the mouse.
    auto *name = Find<QLineEdit>("edtName");
    ControlSkinTest::Send(name, QEvent::Enter);
    EXPECT_EQ(ControlSkinTest::At(name, 0, 10), Rgb{FaceShadow});
    auto *search = Find<QLineEdit>("edtSearch");
    search->setFocus();
    EXPECT_EQ(ControlSkinTest::At(search, 0, 10), Rgb{SelectFrameLit}) << "the search box with the focus";
}

TEST_F(SkinnedFormsTest, TheAboutBoxsDefaultButtonIsPainted)
{
    Tfrm_About about;
    about.show();
    QApplication::processEvents();
    auto *ok = about.findChild<TBitBtn *>(QStringLiteral("btnOK"));
    EXPECT_TRUE(Attached(ok));
    EXPECT_EQ(ControlSkinTest::At(ok, 10, 5), Rgb{SurfaceNormal});
    EXPECT_EQ(ControlSkinTest::At(ok, 0, 12), Rgb{OutLine});
}
