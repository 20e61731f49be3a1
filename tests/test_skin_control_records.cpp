// Which controls the skin attaches to, and how its records follow the controls' events.
#include "skin/MenuItems.h"
#include "tests/ControlSkinFixture.h"
#include "ui/Controls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTextEdit>
#include <QToolBar>
#include <functional>

namespace {

// A push button of the program's own: a descendant of a class the skin knows only by name.
class TOwnButton : public QPushButton {
    Q_OBJECT
public:
    using QPushButton::QPushButton;
};

// Counts the paintings a control gets; installed before the skin, it sees the painting the
// record lets through to the control, once per painting.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget *control) { control->installEventFilter(this); }
    int count = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++count;
        return false;
    }
};

// Clicks near the left edge, where a check box has its box.
void SendMouse(QWidget *control, QEvent::Type type)
{
    const QPointF at(8, control->height() / 2);
    QMouseEvent event(type, at, control->mapToGlobal(at), Qt::LeftButton,
                      type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(control, &event);
}

void SendKey(QWidget *control, QEvent::Type type, bool autoRepeat)
{
    QKeyEvent event(type, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "), autoRepeat);
    QApplication::sendEvent(control, &event);
}

bool Attached(const QWidget *control)
{
    return TControlSubClass::Of(control) != nullptr;
}

} // namespace

TEST_F(ControlSkinTest, TheSkinAttachesToTheKindsItPaintsOnTheContainersItKnows)
{
    const struct {
        const char *what;
        std::function<QWidget *(QWidget *parent)> make;
        bool attached;
    } cases[] = {
        {"edit", [](QWidget *p) { return new QLineEdit(p); }, true},
        {"memo", [](QWidget *p) { return new QPlainTextEdit(p); }, true},
        {"rich edit", [](QWidget *p) { return new QTextEdit(p); }, true},
        {"combo box",
         [](QWidget *p) {
             auto *combo = new QComboBox(p);
             combo->setEditable(true);
             return combo;
         },
         true},
        {"check box", [](QWidget *p) { return new QCheckBox(p); }, true},
        {"radio button", [](QWidget *p) { return new QRadioButton(p); }, true},
        {"push button", [](QWidget *p) { return new QPushButton(p); }, true},
        {"glyph button", [](QWidget *p) { return new TBitBtn(p); }, true},
        {"speed button", [](QWidget *p) { return new TSpeedButton(p); }, true},
        {"panel", [](QWidget *p) { return new TPanel(p); }, true},
        {"group box", [](QWidget *p) { return new QGroupBox(p); }, true},
        {"a push button of another name", [](QWidget *p) { return new TOwnButton(p); }, false},
        {"list box", [](QWidget *p) { return new QListWidget(p); }, false},
        {"spin box", [](QWidget *p) { return new QSpinBox(p); }, false},
    };
    QList<QWidget *> made;
    for (const auto &c : cases)
        made << c.make(&form);
    Activate();
    for (int i = 0; i < made.size(); ++i)
        EXPECT_EQ(Attached(made[i]), cases[i].attached) << cases[i].what;
    EXPECT_FALSE(Attached(made[3]->findChild<QLineEdit *>())) << "nothing inside a combo box";
}

TEST_F(ControlSkinTest, OnlyChildrenOfTheContainerKindsInTheSetAreAttached)
{
    auto *box = new QGroupBox(&form);
    auto *inBox = new QLineEdit(box);
    auto *panel = new TPanel(&form);
    auto *inPanel = new QLineEdit(panel);
    auto *plain = new QWidget(&form);
    auto *inPlain = new QLineEdit(plain);
    auto *bar = new QToolBar(&form);
    auto *inBar = new QCheckBox(bar);
    Activate();
    EXPECT_TRUE(Attached(inBox) && Attached(inPanel) && Attached(inBar));
    EXPECT_FALSE(Attached(inPlain)) << "a plain widget is no container";

    skin->SetXPContainers(TXPContainers{xccForm, xccPanel});
    EXPECT_FALSE(Attached(inBox) || Attached(inBar));
    EXPECT_TRUE(Attached(inPanel));
    skin->SetXPControls(TXPControls{xcGroupBox, xcCheckBox});
    EXPECT_FALSE(Attached(inPanel)) << "edits are no longer skinned";
    EXPECT_TRUE(Attached(box));
}

TEST(ControlSkinForm, AMainWindowsClientAreaIsTheForm)
{
    QMainWindow window;
    auto *client = new QWidget(&window);
    window.setCentralWidget(client);
    auto *edit = new QLineEdit(client);
    TFlatSkin skin(&window);
    skin.SetActive(true);
    EXPECT_TRUE(Attached(edit));
}

TEST_F(ControlSkinTest, Tag999KeepsAControlAndTheChildrenOfAControlOutNegativeTagsAttachWithoutPainting)
{
    auto *excluded = Make<QLineEdit>({10, 10, 100, 21});
    SetTag(excluded, 999);
    auto *box = Make<QGroupBox>({10, 40, 200, 60});
    SetTag(box, 999);
    auto *inExcludedBox = new QLineEdit(box);
    auto *silent = Make<QLineEdit>({10, 110, 100, 21});
    SetTag(silent, -1);
    auto *flat = Make<QLineEdit>({10, 140, 100, 21});
    Activate();
    QApplication::processEvents();

    EXPECT_FALSE(Attached(excluded) || Attached(inExcludedBox));
    EXPECT_FALSE(Attached(box));
    EXPECT_TRUE(Attached(silent));
    for (QLineEdit *edit : {excluded, inExcludedBox, silent})
        EXPECT_TRUE(edit->hasFrame()) << "keeps its 3-D border";
    EXPECT_FALSE(flat->hasFrame()) << "a painted edit gets the flat border";
    Send(silent, QEvent::Enter);
    EXPECT_NE(At(silent, 0, 10), Rgb{ControlColours::SelectFrameLit}) << "never painted by the skin";
}

TEST_F(ControlSkinTest, AControlIsNeverAttachedTwice)
{
    auto *edit = Make<QLineEdit>({10, 10, 100, 21});
    auto *speed = Make<TSpeedButton>({10, 40, 23, 22});
    Activate();
    skin->HookComponents(&form, true, false);
    // Taking the hooks off leaves a graphic control attached until its next event; hooking
    // again must not put a second record on it.
    skin->SetXPControls(TXPControls(0xFFFE));
    int onEdit = 0, onSpeed = 0;
    for (TControlSubClass *record : skin->findChildren<TControlSubClass *>()) {
        onEdit += record->HookedControl() == edit;
        onSpeed += record->HookedControl() == speed;
    }
    EXPECT_EQ(onEdit, 1);
    EXPECT_EQ(onSpeed, 1);
}

TEST_F(ControlSkinTest, DeactivationGivesEveryWindowedControlItsBorderBackAtOnceAndGraphicOnesAtTheirNextEvent)
{
    auto *edit = Make<QLineEdit>({10, 10, 100, 21});
    auto *memo = Make<QPlainTextEdit>({10, 40, 100, 50});
    auto *richEdit = Make<QTextEdit>({10, 100, 100, 50});
    auto *check = Make<QCheckBox>({150, 10, 100, 17});
    auto *speed = Make<TSpeedButton>({150, 40, 23, 22});
    Activate();
    QApplication::processEvents();
    ASSERT_FALSE(edit->hasFrame());
    ASSERT_EQ(memo->frameStyle(), QFrame::Box | QFrame::Plain);
    ASSERT_EQ(richEdit->frameShape(), QFrame::NoFrame);

    skin->SetActive(false);
    EXPECT_TRUE(edit->hasFrame());
    EXPECT_EQ(memo->frameStyle(), QFrame::StyledPanel | QFrame::Sunken);
    EXPECT_EQ(richEdit->frameStyle(), QFrame::StyledPanel | QFrame::Sunken);
    for (QWidget *control : {static_cast<QWidget *>(edit), static_cast<QWidget *>(memo),
                             static_cast<QWidget *>(richEdit), static_cast<QWidget *>(check)})
        EXPECT_FALSE(Attached(control)) << control->metaObject()->className();
    EXPECT_TRUE(Attached(speed)) << "a graphic control detaches at its next event";

    QApplication::processEvents();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(Attached(speed));
    EXPECT_EQ(RecordCount(skin), 0) << "every record is gone";
}

TEST_F(ControlSkinTest, ARecordGoesWithItsControlOrWithTheSkinWhicheverGoesFirst)
{
    auto *first = Make<QLineEdit>({10, 10, 100, 21});
    auto *second = Make<QCheckBox>({10, 40, 100, 17});
    Activate();
    delete first;
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(RecordCount(skin), 1);

    delete skin;
    EXPECT_FALSE(Attached(second));
    Send(second, QEvent::Enter); // nothing is left that would react
    second->repaint();
}

TEST_F(ControlSkinTest, TheEditsFrameFollowsTheMouseAndTheFocus)
{
    auto *edit = Make<QLineEdit>({10, 10, 100, 21});
    auto *other = Make<QLineEdit>({10, 40, 100, 21});
    ActivateFocused();
    using namespace ControlColours;
    other->setFocus();
    EXPECT_EQ(At(edit, 0, 10), Rgb{FaceShadow});
    Send(edit, QEvent::Enter);
    EXPECT_EQ(At(edit, 0, 10), Rgb{SelectFrameLit}) << "under the mouse";
    Send(edit, QEvent::Leave);
    EXPECT_EQ(At(edit, 0, 10), Rgb{FaceShadow});
    edit->setFocus();
    EXPECT_EQ(At(edit, 99, 20), Rgb{SelectFrameLit}) << "with the focus";
    other->setFocus();
    EXPECT_EQ(At(edit, 99, 20), Rgb{FaceShadow});

    edit->setEnabled(false);
    Send(edit, QEvent::Enter);
    EXPECT_FALSE(TControlSubClass::Of(edit)->IsHot()) << "a disabled control is not lit by the mouse";
}

TEST_F(ControlSkinTest, HoldingTheSpaceKeyPaintsOnceAndKeyRepeatPaintsNoMore)
{
    auto *check = Make<QCheckBox>({10, 10, 100, 17});
    PaintCounter paints(check);
    ActivateFocused(false);
    check->setFocus();
    QApplication::processEvents();
    const TControlSubClass *record = TControlSubClass::Of(check);

    const int beforePress = paints.count;
    SendKey(check, QEvent::KeyPress, false);
    ASSERT_TRUE(record->IsSpaceDown());
    EXPECT_GT(paints.count, beforePress);
    EXPECT_EQ(At(check, 4, 5), Rgb{ControlColours::CheckFillHot}) << "drawn pressed";
    const int afterPress = paints.count;
    for (int i = 0; i < 5; ++i) {
        SendKey(check, QEvent::KeyRelease, true);
        SendKey(check, QEvent::KeyPress, true);
    }
    EXPECT_EQ(paints.count, afterPress);
    EXPECT_TRUE(record->IsSpaceDown());

    SendKey(check, QEvent::KeyRelease, false);
    EXPECT_FALSE(record->IsSpaceDown());
    EXPECT_GT(paints.count, afterPress);
}

TEST_F(ControlSkinTest, ADoubleClickCountsAsASecondPress)
{
    const struct {
        const char *what;
        QAbstractButton *button;
    } buttons[] = {
        {"check box", Make<QCheckBox>({10, 10, 100, 17})},
        {"glyph button", Make<TBitBtn>({10, 40, 75, 25}, QStringLiteral("OK"))},
        {"speed button", Make<TSpeedButton>({10, 80, 23, 22})},
    };
    Activate();
    for (const auto &b : buttons) {
        QSignalSpy pressed(b.button, &QAbstractButton::pressed);
        QSignalSpy clicked(b.button, &QAbstractButton::clicked);
        SendMouse(b.button, QEvent::MouseButtonPress);
        SendMouse(b.button, QEvent::MouseButtonRelease);
        SendMouse(b.button, QEvent::MouseButtonDblClick);
        EXPECT_TRUE(TControlSubClass::Of(b.button)->IsMouseDown()) << b.what;
        SendMouse(b.button, QEvent::MouseButtonRelease);
        EXPECT_EQ(pressed.count(), 2) << b.what;
        EXPECT_EQ(clicked.count(), 2) << b.what;
        EXPECT_FALSE(TControlSubClass::Of(b.button)->IsMouseDown()) << b.what;
    }
    EXPECT_FALSE(static_cast<QCheckBox *>(buttons[0].button)->isChecked()) << "checked and unchecked";
}

TEST_F(ControlSkinTest, ChangingTheCheckStateTakesTheHotLookAway)
{
    auto *check = Make<QCheckBox>({10, 10, 100, 17});
    Activate();
    Send(check, QEvent::Enter);
    ASSERT_TRUE(TControlSubClass::Of(check)->IsHot());
    check->setChecked(true);
    EXPECT_FALSE(TControlSubClass::Of(check)->IsHot());
}

#include "test_skin_control_records.moc"
