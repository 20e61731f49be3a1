#include "store/StaticQuery.h"
#include "store/Uni_DM.h"
#include "store/Uni_Function.h"
#include "tests/Fixtures.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QString OpenFailure = QStringLiteral("连接数据库文件出错！\r\n\r\n数据库文件可能被改名或移动！");

struct BadFile {
    const char *name;
    std::function<void(const QString &path, const ContactsFolder &good)> make;
};

QByteArray ReadAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void Write(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

} // namespace

TEST(OpenDatabase, RefusesWhatIsNoDatabaseWithTheErrorBoxAndChangesNothing)
{
    const QList<BadFile> cases = {
        {"missing", [](const QString &, const ContactsFolder &) {}},
        {"empty", [](const QString &path, const ContactsFolder &) { Write(path, QByteArray()); }},
        {"text", [](const QString &path, const ContactsFolder &) { Write(path, "name,address\nAnn,Here\n"); }},
        {"truncated",
         [](const QString &path, const ContactsFolder &good) {
             QList<Row> rows;
             for (int i = 0; i < 300; ++i)
                 rows << Contact(QString::number(i), QString(200, QLatin1Char('n')));
             good.Insert(rows);
             const QByteArray whole = ReadAll(good.DatabasePath());
             Write(path, whole.left(whole.size() / 2));
         }},
        {"folder", [](const QString &path, const ContactsFolder &) { QDir().mkpath(path); }},
    };
    for (const BadFile &bad : cases) {
        QTemporaryDir dir;
        const ContactsFolder good;
        const QString path = QDir(dir.path()).filePath(QStringLiteral("contacts.dat"));
        bad.make(path, good);
        const QByteArray before = ReadAll(path);
        const bool existed = QFileInfo::exists(path);

        BoxRecorder boxes;
        TDM_Main module;
        EXPECT_FALSE(OpenDatabase(path)) << bad.name;
        ASSERT_EQ(boxes.boxes.size(), 1) << bad.name;
        EXPECT_EQ(boxes.boxes.first().kind, BoxKind::Error);
        EXPECT_EQ(boxes.boxes.first().caption, QStringLiteral("Error"));
        EXPECT_EQ(boxes.boxes.first().text, OpenFailure);
        EXPECT_EQ(QFileInfo::exists(path), existed) << bad.name << ": nothing is created";
        EXPECT_EQ(ReadAll(path), before) << bad.name << ": nothing is changed";
    }
}

TEST(OpenDatabase, OpensAGoodFileWhateverItsPathHolds)
{
    QTemporaryDir dir;
    const QString folder = QDir(dir.path()).filePath(QStringLiteral("it's #1 ?100% here"));
    ASSERT_TRUE(QDir().mkpath(folder));
    const ContactsFolder source;
    source.Insert({Contact(QStringLiteral("K1"), QStringLiteral("Ann"))});
    const QString path = QDir(folder).filePath(QStringLiteral("contacts.dat"));
    ASSERT_TRUE(QFile::copy(source.DatabasePath(), path));

    BoxRecorder boxes;
    TDM_Main module;
    ASSERT_TRUE(OpenDatabase(path));
    OpenQuery(module.qry_Pub, Statements::SelectAll);
    EXPECT_EQ(module.qry_Pub.RecordCount(), 1);
    EXPECT_TRUE(boxes.boxes.isEmpty());
}

TEST(OpenDatabase, TheDataModuleHoldsFourImagesOfSixteenPixels)
{
    TDM_Main module;
    ASSERT_EQ(module.ImgList.size(), 4);
    for (const QPixmap &image : module.ImgList)
        EXPECT_EQ(image.size(), QSize(16, 16));
}

// Each statement commits on its own; the connection logs commits ahead of the file instead of
// flushing the disk several times for each, and another program sees every committed row.
TEST(OpenDatabase, CommitsGoToAWriteAheadLogThatOtherProgramsRead)
{
    const ContactsFolder folder;
    const std::unique_ptr<TDM_Main> module = OpenDataModule(folder);
    OpenQuery(module->qry_Pub, QStringLiteral("pragma journal_mode"));
    EXPECT_EQ(module->qry_Pub.Value(0), QStringLiteral("wal"));
    OpenQuery(module->qry_Pub, QStringLiteral("pragma synchronous"));
    EXPECT_EQ(module->qry_Pub.Value(0), QStringLiteral("1")) << "normal: flushed at checkpoints";

    ExecQuery(module->qry_Pub, FormatSql(Statements::InsertImported, {"K1", "Ann", "", "", "", ""}));
    ASSERT_EQ(folder.Rows().size(), 1);
    EXPECT_EQ(folder.Rows().first().value(QStringLiteral("contactname")), QStringLiteral("Ann"));
}
