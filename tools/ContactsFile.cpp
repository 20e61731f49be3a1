#include "ContactsFile.h"

#include <sqlite3.h>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

const char *const ContactsTableSql =
    "create table contacts ("
    "pkcontact TEXT primary key, contactname TEXT collate nocase, address TEXT, home1 TEXT, home2 TEXT, "
    "fax1 TEXT, biz1 TEXT, biz2 TEXT, fax2 TEXT, website TEXT, email1 TEXT, email2 TEXT, notes TEXT)";

std::string CreateContactsFile(const std::string &path)
{
    // Claiming the name with O_EXCL first means an existing file is never opened, let alone
    // changed, even if it appears between a check and the creation.
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd < 0) {
        if (errno == EEXIST)
            return path + " exists already; it is left as it is";
        return path + ": " + std::strerror(errno);
    }
    ::close(fd);

    sqlite3 *db = nullptr;
    std::string failure;
    if (sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK
        || sqlite3_exec(db, ContactsTableSql, nullptr, nullptr, nullptr) != SQLITE_OK)
        failure = path + ": " + (db ? sqlite3_errmsg(db) : "out of memory");
    sqlite3_close(db);
    if (!failure.empty())
        ::unlink(path.c_str());
    return failure;
}
