#include "store/Uni_DM.h"
#include "tests/EditorDriver.h"
#include "tests/Fixtures.h"
#include "tests/Seams.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

class EditorTest : public ::testing::Test {
protected:
    std::unique_ptr<Tfrm_ContactInfo> Show(int mode, const QString &key = QString(), const QString &name = QString())
    {
        auto editor = std::make_unique<Tfrm_ContactInfo>();
        editor->ContactKey = key;
        editor->ContactName = name;
        editor->SetTag(mode);
        editor->show();
        QApplication::setActiveWindow(editor.get());
        EXPECT_TRUE(QTest::qWaitForWindowActive(editor.get()));
        return editor;
    }
    static QString Title(Tfrm_ContactInfo *editor)
    {
        return editor->findChild<QLabel *>(QStringLiteral("lblTitle"))->text();
    }
    static QString OkCaption(Tfrm_ContactInfo *editor)
    {
        return editor->findChild<QPushButton *>(QStringLiteral("btnOK"))->text();
    }

    BoxRecorder boxes;
    ContactsFolder folder;
    std::unique_ptr<TDM_Main> module = OpenDataModule(folder);
};

const char *const FieldNames[] = {"edtName", "memAddress", "edtHome1", "edtHome2", "edtFax1", "edtBiz1",
                                  "edtBiz2", "edtFax2",    "edtWeb",   "edtMail1", "edtMail2", "memNotes"};

void Type(Tfrm_ContactInfo *editor, const char *field, const QString &text)
{
    QWidget *widget = editor->findChild<QWidget *>(QString::fromLatin1(field));
    widget->setFocus();
    TypeInto(widget, text);
}

} // namespace

TEST_F(EditorTest, IsLaidOutAsItsTable)
{
    auto editor = Show(Tfrm_ContactInfo::AddMode);
    EXPECT_EQ(editor->size(), QSize(410, 472));
    const struct {
        const char *name;
        QRect geometry;
    } layout[] = {
        {"Image2", {16, 8, 32, 32}},        {"GroupBox1", {9, 44, 393, 114}},  {"edtName", {56, 18, 329, 21}},
        {"memAddress", {56, 42, 329, 63}},  {"GroupBox2", {9, 163, 393, 77}},  {"edtHome1", {56, 20, 85, 21}},
        {"edtHome2", {188, 20, 85, 21}},    {"edtFax1", {301, 20, 85, 21}},    {"edtBiz1", {56, 47, 85, 21}},
        {"edtBiz2", {188, 47, 85, 21}},     {"edtFax2", {301, 47, 85, 21}},    {"GroupBox3", {9, 247, 393, 97}},
        {"edtWeb", {56, 16, 305, 21}},      {"edtMail1", {56, 41, 305, 21}},   {"edtMail2", {56, 66, 305, 21}},
        {"btnWeb", {364, 16, 21, 21}},      {"btnEMail1", {364, 41, 21, 21}},  {"btnEMail2", {364, 66, 21, 21}},
        {"GroupBox4", {9, 351, 393, 81}},   {"Image1", {9, 25, 32, 32}},       {"memNotes", {48, 13, 337, 58}},
        {"btnOK", {240, 440, 75, 25}},      {"btnCancel", {326, 440, 75, 25}},
    };
    for (const auto &control : layout) {
        QWidget *widget = editor->findChild<QWidget *>(QString::fromLatin1(control.name));
        ASSERT_NE(widget, nullptr) << control.name;
        EXPECT_EQ(widget->geometry(), control.geometry) << control.name;
    }
    QLabel *title = editor->findChild<QLabel *>(QStringLiteral("lblTitle"));
    EXPECT_EQ(title->pos(), QPoint(64, 6));
    EXPECT_EQ(title->font().pixelSize(), 24);
    for (QPushButton *button : editor->findChildren<QPushButton *>())
        EXPECT_FALSE(button->isDefault() || button->autoDefault()) << button->objectName().toStdString();
}

TEST_F(EditorTest, TypingStopsAtEachFieldsLimit)
{
    auto editor = Show(Tfrm_ContactInfo::AddMode);
    const QString longText(300, QLatin1Char('7'));
    for (const char *field : FieldNames) {
        Type(editor.get(), field, longText);
        const QString name = QString::fromLatin1(field);
        const int expected = name.startsWith(QLatin1String("mem")) ? 255
            : (name == QLatin1String("edtWeb") || name.startsWith(QLatin1String("edtMail"))) ? 80
                                                                                            : 40;
        QWidget *widget = editor->findChild<QWidget *>(name);
        const QString text = qobject_cast<QLineEdit *>(widget) ? static_cast<QLineEdit *>(widget)->text()
                                                               : static_cast<QPlainTextEdit *>(widget)->toPlainText();
        EXPECT_EQ(text.size(), expected) << field;
    }
}

TEST_F(EditorTest, EnterMovesToTheNextFieldSkippingTheLinkButtons)
{
    auto editor = Show(Tfrm_ContactInfo::AddMode);
    const QStringList order = {"edtName", "memAddress", "edtHome1", "edtHome2", "edtFax1", "edtBiz1",  "edtBiz2",
                               "edtFax2", "edtWeb",     "edtMail1", "edtMail2", "memNotes", "btnOK",   "btnCancel",
                               "edtName"};
    editor->findChild<QWidget *>(QStringLiteral("edtName"))->setFocus();
    for (int i = 1; i < order.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        ASSERT_NE(QApplication::focusWidget(), nullptr);
        EXPECT_EQ(QApplication::focusWidget()->objectName(), order.at(i)) << "after " << order.at(i - 1).toStdString();
    }
    EXPECT_TRUE(editor->isVisible()) << "Enter never presses OK";
}

TEST_F(EditorTest, AddModeInsertsEveryFieldUnderAFreshKey)
{
    auto editor = Show(Tfrm_ContactInfo::AddMode);
    EXPECT_EQ(editor->windowTitle(), QStringLiteral("Add a Contact"));
    EXPECT_EQ(Title(editor.get()), QStringLiteral("Adding a New Contact"));
    EXPECT_EQ(OkCaption(editor.get()), QStringLiteral("&OK"));
    const QStringList typed = {"  O'Brien 50% %s ", "1 Quay\nDublin", "01", "02", "03", "04", "05", "06",
                               "http://x.ie",        "o@x.ie",         "o2@x.ie", "王 — محمد — 😀\nline 2"};
    for (int i = 0; i < typed.size(); ++i)
        Type(editor.get(), FieldNames[i], typed.at(i));
    Press(editor.get(), "btnOK");
    EXPECT_EQ(editor->result(), mrOk);
    EXPECT_FALSE(editor->isVisible());
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^[0-9A-F-]{36}$")).match(editor->ContactKey).hasMatch());

    const QList<Row> rows = folder.Rows();
    ASSERT_EQ(rows.size(), 1);
    EXPECT_EQ(rows.first().value(QStringLiteral("pkcontact")), editor->ContactKey);
    QStringList stored;
    for (const QString &column : ContactColumns.mid(1))
        stored << rows.first().value(column);
    QStringList expected = typed;
    expected[1] = QStringLiteral("1 Quay\r\nDublin");
    expected[11] = QStringLiteral("王 — محمد — 😀\r\nline 2");
    EXPECT_EQ(stored, expected) << "stored as typed, untrimmed, lines kept";
}

TEST_F(EditorTest, ABlankNameIsRefusedAndTheDialogStaysOpen)
{
    auto editor = Show(Tfrm_ContactInfo::AddMode);
    Type(editor.get(), "edtName", QStringLiteral("   "));
    Type(editor.get(), "edtHome1", QStringLiteral("555"));
    Press(editor.get(), "btnOK");
    EXPECT_EQ(boxes.Texts(), QStringList({QStringLiteral("Please enter a valid Name.")}));
    EXPECT_EQ(boxes.boxes.first().caption, QStringLiteral("Information"));
    EXPECT_TRUE(editor->isVisible());
    EXPECT_EQ(QApplication::focusWidget()->objectName(), QStringLiteral("edtName"));
    EXPECT_EQ(EditorEdit(editor.get(), "edtHome1")->text(), QStringLiteral("555"));
    EXPECT_TRUE(folder.Rows().isEmpty());
}

TEST_F(EditorTest, EditModeLoadsTheRowAndUpdatesIt)
{
    Row row = Contact(QStringLiteral("K1"), QStringLiteral("Stored Name"));
    row.insert(QStringLiteral("address"), QStringLiteral("a\r\nb"));
    row.insert(QStringLiteral("website"), QString(120, QLatin1Char('w')));
    folder.Insert({row, Contact(QStringLiteral("K2"), QStringLiteral("Other"))});
    auto editor = Show(Tfrm_ContactInfo::EditMode, QStringLiteral("K1"), QStringLiteral("Name From Caller"));
    EXPECT_EQ(editor->windowTitle(), QStringLiteral("Edit a Contact"));
    EXPECT_EQ(Title(editor.get()), QStringLiteral("Name From Caller"));
    EXPECT_EQ(OkCaption(editor.get()), QStringLiteral("&Update"));
    EXPECT_EQ(EditorEdit(editor.get(), "edtName")->text(), QStringLiteral("Stored Name"));
    EXPECT_EQ(EditorMemo(editor.get(), "memAddress")->toPlainText(), QStringLiteral("a\nb"));
    EXPECT_EQ(EditorEdit(editor.get(), "edtWeb")->text().size(), 120) << "a longer stored value is not cut";

    Type(editor.get(), "edtName", QStringLiteral(" Jr"));
    Press(editor.get(), "btnOK");
    EXPECT_EQ(editor->result(), mrOk);
    EXPECT_EQ(editor->ContactKey, QStringLiteral("K1"));
    const QList<Row> rows = folder.Rows();
    ASSERT_EQ(rows.size(), 2);
    EXPECT_EQ(rows.at(0).value(QStringLiteral("contactname")), QStringLiteral("Stored Name Jr"));
    EXPECT_EQ(rows.at(0).value(QStringLiteral("address")), QStringLiteral("a\r\nb"));
    EXPECT_EQ(rows.at(0).value(QStringLiteral("website")), QString(120, QLatin1Char('w')));
    EXPECT_EQ(rows.at(1).value(QStringLiteral("contactname")), QStringLiteral("Other"));
}

TEST_F(EditorTest, EditingARowThatIsGoneChangesNothingAndClosesWithOk)
{
    folder.Insert({Contact(QStringLiteral("K2"), QStringLiteral("Other"))});
    auto editor = Show(Tfrm_ContactInfo::EditMode, QStringLiteral("GONE"), QStringLiteral("Gone"));
    EXPECT_EQ(EditorEdit(editor.get(), "edtName")->text(), QString());
    Type(editor.get(), "edtName", QStringLiteral("New"));
    Press(editor.get(), "btnOK");
    EXPECT_EQ(editor->result(), mrOk);
    ASSERT_EQ(folder.Rows().size(), 1);
    EXPECT_EQ(folder.Rows().first().value(QStringLiteral("contactname")), QStringLiteral("Other"));
}

TEST_F(EditorTest, AFailedInsertKeepsTheInputAndTheNextOkUsesANewKey)
{
    auto editor = Show(Tfrm_ContactInfo::AddMode);
    Type(editor.get(), "edtName", QStringLiteral("Kept"));
    folder.Exec(QStringLiteral("alter table contacts rename to elsewhere"));
    Press(editor.get(), "btnOK");
    EXPECT_EQ(boxes.Texts(), QStringList({QStringLiteral("no such table: contacts.")}));
    EXPECT_TRUE(editor->isVisible());
    EXPECT_EQ(EditorEdit(editor.get(), "edtName")->text(), QStringLiteral("Kept"));
    const QString firstKey = editor->ContactKey;

    folder.Exec(QStringLiteral("alter table elsewhere rename to contacts"));
    Press(editor.get(), "btnOK");
    EXPECT_EQ(editor->result(), mrOk);
    EXPECT_NE(editor->ContactKey, firstKey);
    ASSERT_EQ(folder.Rows().size(), 1);
    EXPECT_EQ(folder.Rows().first().value(QStringLiteral("pkcontact")), editor->ContactKey);
}

TEST_F(EditorTest, CancelEscapeAndTheCloseBoxStoreNothing)
{
    const std::function<void(Tfrm_ContactInfo *)> ways[] = {
        [](Tfrm_ContactInfo *editor) { Press(editor, "btnCancel"); },
        [](Tfrm_ContactInfo *editor) { QTest::keyClick(EditorEdit(editor, "edtName"), Qt::Key_Escape); },
        [](Tfrm_ContactInfo *editor) { editor->close(); },
    };
    for (const auto &leave : ways) {
        auto editor = Show(Tfrm_ContactInfo::AddMode);
        Type(editor.get(), "edtName", QStringLiteral("Never stored"));
        leave(editor.get());
        EXPECT_FALSE(editor->isVisible());
        EXPECT_EQ(editor->result(), mrCancel);
    }
    EXPECT_TRUE(folder.Rows().isEmpty());
}

TEST_F(EditorTest, LinkButtonsUseTheTypedTextsAndFocusAFieldThatFailsItsCheck)
{
    ShellRecorder shell;
    auto editor = Show(Tfrm_ContactInfo::AddMode);
    Type(editor.get(), "edtWeb", QStringLiteral(" HTTP://unsaved.example"));
    Type(editor.get(), "edtMail1", QStringLiteral("first@example.org"));
    Type(editor.get(), "edtMail2", QStringLiteral("second"));
    const struct {
        const char *button;
        const char *opened;   // empty: refused
        const char *focused;  // where the focus is afterwards
    } cases[] = {
        {"btnWeb", " HTTP://unsaved.example", "edtName"},
        {"btnEMail1", "mailto:first@example.org", "edtName"},
        {"btnEMail2", "", "edtMail2"},
    };
    for (const auto &c : cases) {
        editor->findChild<QWidget *>(QStringLiteral("edtName"))->setFocus();
        shell.requests.clear();
        boxes.boxes.clear();
        Press(editor.get(), c.button);
        const QString opened = QString::fromUtf8(c.opened);
        EXPECT_EQ(shell.Files(), opened.isEmpty() ? QStringList() : QStringList{opened}) << c.button;
        EXPECT_EQ(boxes.Texts(), opened.isEmpty() ? QStringList{QStringLiteral("Not a valid email address.")}
                                                  : QStringList()) << c.button;
        EXPECT_EQ(QApplication::focusWidget()->objectName(), QString::fromLatin1(c.focused)) << c.button;
    }
    EXPECT_TRUE(folder.Rows().isEmpty()) << "nothing is saved by the link buttons";
}
