#pragma once

#include <string>

// Creates an empty contacts database at path: the table contacts with its thirteen text
// columns. Refuses a path where anything exists already. Returns an empty string on
// success, otherwise the reason.
std::string CreateContactsFile(const std::string &path);

// The statement that makes the table, for tests that build unusual files.
extern const char *const ContactsTableSql;
