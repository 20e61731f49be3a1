// Times the contact list against the table's size: a full refresh of the real window next to
// a bare SQLite read of the same rows, one keystroke of search, and one add with its reload.
// Run: build/tests/bench/pelmora_bench
#include "store/Uni_DM.h"
#include "store/Uni_Function.h"
#include "tests/EditorDriver.h"
#include "tests/Fixtures.h"
#include "tests/Offscreen.h"
#include "ui/Look.h"
#include "ui/main/Uni_Main.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <benchmark/benchmark.h>
#include <map>
#include <sqlite3.h>

namespace {

QString GeneratedName(int i)
{
    static const char *const first[] = {"Ann", "Bob", "Carl", "Dora", "Eve", "Finn", "Gus", "Hana", "Ivo", "Jill"};
    static const char *const last[] = {"Smith", "Ng", "Okafor", "Garcia", "Novak", "Kim", "Rossi", "Berg"};
    return QStringLiteral("%1 %2 %3").arg(QString::fromLatin1(first[(i * 7) % 10]), QString::fromLatin1(last[(i * 13) % 8]))
        .arg(i);
}

// One database per size, filled once and shared by every benchmark of that size.
const ContactsFolder &FolderWith(int contacts)
{
    static std::map<int, std::unique_ptr<ContactsFolder>> folders;
    auto &folder = folders[contacts];
    if (!folder) {
        folder = std::make_unique<ContactsFolder>();
        QList<Row> rows;
        for (int i = 0; i < contacts; ++i) {
            Row row = Contact(QStringLiteral("%1").arg(i, 36, 10, QLatin1Char('0')), GeneratedName(i));
            row.insert(QStringLiteral("address"), QStringLiteral("%1 Long Road\r\nSome Town").arg(i));
            row.insert(QStringLiteral("home1"), QStringLiteral("555-%1").arg(i));
            row.insert(QStringLiteral("email1"), QStringLiteral("person%1@example.org").arg(i));
            rows << row;
        }
        folder->Insert(rows);
    }
    return *folder;
}

// Every cell of every row read as text through the SQLite C API: the least a full read costs.
void ReadThroughSqlite(benchmark::State &state, const char *sql)
{
    const ContactsFolder &folder = FolderWith(int(state.range(0)));
    sqlite3 *db = nullptr;
    sqlite3_open_v2(QFile::encodeName(folder.DatabasePath()).constData(), &db, SQLITE_OPEN_READONLY, nullptr);
    for (auto _ : state) {
        sqlite3_stmt *statement = nullptr;
        sqlite3_prepare_v2(db, sql, -1, &statement, nullptr);
        size_t bytes = 0;
        while (sqlite3_step(statement) == SQLITE_ROW) {
            for (int c = 0; c < sqlite3_column_count(statement); ++c) {
                benchmark::DoNotOptimize(sqlite3_column_text(statement, c));
                bytes += size_t(sqlite3_column_bytes(statement, c));
            }
        }
        sqlite3_finalize(statement);
        benchmark::DoNotOptimize(bytes);
    }
    sqlite3_close(db);
}

void SqliteFloor(benchmark::State &state)
{
    ReadThroughSqlite(state, "select * from contacts");
}

// The list's own statement: the engine's sort of whole rows by name is part of the floor.
void SqliteSortedFloor(benchmark::State &state)
{
    ReadThroughSqlite(state, "select * from contacts order by contactname");
}

struct OpenWindow {
    explicit OpenWindow(int contacts)
        : window(FolderWith(contacts).Folder())
    {
    }
    TDM_Main module;
    Tfrm_Main window;
};

void OpenQuerySorted(benchmark::State &state)
{
    OpenWindow open(int(state.range(0)));
    for (auto _ : state)
        OpenQuery(DM_Main->qry_Pub, Statements::SelectSortedByName);
}

void OpenQueryUnsorted(benchmark::State &state)
{
    OpenWindow open(int(state.range(0)));
    for (auto _ : state)
        OpenQuery(DM_Main->qry_Pub, Statements::SelectAll);
}

void RefreshContactList(benchmark::State &state)
{
    OpenWindow open(int(state.range(0)));
    for (auto _ : state)
        QMetaObject::invokeMethod(&open.window, "RefreshContactList");
}

void SearchKeystroke(benchmark::State &state)
{
    OpenWindow open(int(state.range(0)));
    auto *search = open.window.findChild<QLineEdit *>(QStringLiteral("edtSearch"));
    // "Ivo Berg" sorts late: the walk passes most of the list before it matches.
    const QString typed = QStringLiteral("Ivo Ber");
    search->setText(typed.left(typed.size() - 1));
    for (auto _ : state) {
        search->setText(typed);
        state.PauseTiming();
        search->setText(typed.left(typed.size() - 1));
        state.ResumeTiming();
    }
}

void AddWithReload(benchmark::State &state)
{
    OpenWindow open(int(state.range(0)));
    EditorDriver editor;
    editor.steps = [](Tfrm_ContactInfo *shown) {
        EditorEdit(shown, "edtName")->setText(QStringLiteral("Mid Name"));
        Press(shown, "btnOK");
    };
    QAction *add = open.window.findChild<QAction *>(QStringLiteral("AddContact1"));
    for (auto _ : state)
        add->trigger();
    FolderWith(int(state.range(0))).Exec(QStringLiteral("delete from contacts where contactname = 'Mid Name'"));
}

void StartToShownWindow(benchmark::State &state)
{
    FolderWith(int(state.range(0)));
    for (auto _ : state) {
        OpenWindow open(int(state.range(0)));
        open.window.show();
        QCoreApplication::processEvents();
    }
}

} // namespace

BENCHMARK(SqliteFloor)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(SqliteSortedFloor)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(OpenQuerySorted)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(OpenQueryUnsorted)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(RefreshContactList)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(SearchKeystroke)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(AddWithReload)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(StartToShownWindow)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(3);

int main(int argc, char *argv[])
{
    UseOffscreenUnlessChosen();
    QApplication app(argc, argv);
    SetUpApplication(app);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
